// Reads arbitrary text as the amount, whole-number, measure and percentage boxes read it, in several
// locales, and checks that what the program shows reads back as the same number: a shown amount gives
// the amount rounded to cents, a shown whole number gives that number.
#include "FuzzCheck.h"
#include "data/InputRules.h"
#include "data/Money.h"
#include "data/NumberText.h"
#include "data/WholeNumber.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace qx;
using fuzz::require;

namespace {

void checkShownAmount(Money amount, const QLocale& locale) {
    const Money shownAmount = amount.roundedToCents();
    const QString shown = amount.toCurrency(locale);
    require(Money::parseCurrency(shown, locale) == shownAmount, "shown amount reads back", shown);
    require(Money::parsePlain(amount.toPlain(4)) == amount, "stored amount reads back", amount.toPlain(4));
    require(Money::parsePlain(amount.toPlain(2)) == shownAmount, "two-place amount reads back",
            amount.toPlain(2));
    if (amount >= Money()) {
        const QString typed = typedFormOfPlain(amount.toPlain(4), locale);
        require(Money::parseCurrency(typed, locale) == amount, "stored amount reads back as typed", typed);
    }
    if (shownAmount >= Money() && shownAmount <= kMaxAmount) {
        const Amount typed = readAmount(shown, kMustBeNumber, locale);
        require(typed.ok() && typed.value == shownAmount, "amount box takes a shown amount", shown);
    }
}

void checkShownWhole(std::int32_t whole, const QLocale& locale) {
    const QString shown = locale.toString(whole);
    require(parseWhole(shown, locale) == whole, "shown whole number reads back", shown);
    require(parseWhole(wholeText(whole), locale) == whole, "roof box text reads back", wholeText(whole));
    if (whole >= 0) {
        const Measure measure = readMeasure(shown, kMustBeNumber, locale);
        require(measure.ok() && measure.whole == whole, "measure box takes a shown number", shown);
    }
}

void checkTyped(const QString& text, const QLocale& locale) {
    if (const auto amount = Money::parseCurrency(text, locale)) {
        require(Money::currencyToPlain(text, locale).has_value(), "an amount has a plain form", text);
        checkShownAmount(*amount, locale);
    }
    if (const auto whole = parseWhole(text, locale))
        checkShownWhole(*whole, locale);

    const Amount amount = readAmount(text, kMustBeNumber, locale);
    if (amount.ok()) {
        require(amount.value >= Money() && amount.value <= kMaxAmount, "amount box keeps its range", text);
        checkShownAmount(amount.value, locale);
    }
    const Measure measure = readMeasure(text, kMustBeNumber, locale);
    if (measure.ok())
        require(measure.whole >= 0 && measure.value >= 0, "measure box refuses negatives", text);
    const Percent percent = readPercent(text, kMustBeNumber, locale);
    if (percent.ok()) {
        require(percent.tenThousandths >= 0 && percent.tenThousandths <= kMaxPercent * 10000,
                "percentage box keeps its range", text);
        const Percent again = readPercent(percent.plain(), kMustBeNumber, QLocale::c());
        require(again.ok() && again.tenThousandths == percent.tenThousandths, "percentage reads back",
                percent.plain());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QLocale& locale = fuzz::pickLocale(input.ConsumeIntegral<unsigned char>());
    checkShownAmount(Money::fromRaw(input.ConsumeIntegral<std::int64_t>()), locale);
    checkShownWhole(input.ConsumeIntegral<std::int32_t>(), locale);
    checkTyped(QString::fromUtf8(input.ConsumeRemainingBytesAsString()), locale);
    return 0;
}
