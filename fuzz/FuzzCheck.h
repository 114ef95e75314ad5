// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: a check that stops the run and names its
// line, the input as bytes, the read-write-read round trip of a file
// format, and the application that fonts need.
#include <QByteArray>
#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void Require(bool ok, int line)
{
    if (!ok) {
        std::fprintf(stderr, "check on line %d failed\n", line);
        std::abort();
    }
}

inline QByteArray Input(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Whatever parse accepts must write out and read back as the same value,
// and writing that again must give the same bytes.
template <class Parse, class Serialize> void CheckRoundTrip(const QByteArray& bytes, Parse parse, Serialize serialize)
{
    const auto value = parse(bytes);
    if (!value)
        return;
    const QByteArray written = serialize(*value);
    const auto back = parse(written);
    Require(back && *back == *value && serialize(*back) == written, __LINE__);
}

// For LLVMFuzzerInitialize of targets that lay out text.
inline void StartGuiApplication(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
}

}   // namespace fuzz

#define Check(ok) fuzz::Require((ok), __LINE__)
