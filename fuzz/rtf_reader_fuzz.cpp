// Feeds arbitrary bytes to the rich-text reader: it must neither crash, hang nor leak, whatever a
// template or a saved document holds.
#include "docs/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // fonts for the document
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTextDocument document;
    qx::readRtf(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), document);
    return 0;
}
