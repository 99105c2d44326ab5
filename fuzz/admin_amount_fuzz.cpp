// Reads arbitrary administrative amount texts (overhead, profit, contingency, management) as they come
// from the settings, an estimate's file and the "Admin Amounts" box, in several locales: reading never
// fails badly, a typed amount the box accepts can always be figured, and what is stored reads back as
// the same amount.
#include "FuzzCheck.h"
#include "lines/AdminAmount.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace qx;
using fuzz::require;

namespace {

void checkAmount(const AdminAmount& amount, Money lineTotal) {
    const QString stored = amount.encoded();
    const AdminText text = splitAdminText(stored);
    require(readAdminAmount(text.kind, text.number) == amount, "stored amount reads back", stored);
    require(!amount.kindLabel().isEmpty(), "an amount has a kind label", stored);
    require(typedAdminAmount(amount.isFixed(), amount.boxText()) == amount, "the box's text reads back",
            amount.boxText());
    const Money share = amount.amountOn(lineTotal);
    require(share == share.roundedToCents(), "an amount counts whole cents", stored);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    QLocale::setDefault(fuzz::pickLocale(input.ConsumeIntegral<unsigned char>()));
    const bool fixed = input.ConsumeBool();
    const Money lineTotal = Money::fromRaw(input.ConsumeIntegral<std::int64_t>());
    const QString text = QString::fromUtf8(input.ConsumeRemainingBytesAsString());

    // As stored: "Fixed-100.00", "%-15" or anything a hand-edited file holds.
    const AdminText stored = splitAdminText(text);
    if (const auto amount = readAdminAmount(stored.kind, stored.number))
        checkAmount(*amount, lineTotal);

    // As typed into the box with "Fixed" or "Percent" chosen.
    if (!adminAmountRefusal(fixed, text)) {
        const auto amount = typedAdminAmount(fixed, text);
        require(amount.has_value(), "an accepted amount can be figured", text);
        checkAmount(*amount, lineTotal);
    }
    return 0;
}
