// Long lines: a file without line breaks is decoded in time that grows
// with its length.
#include "editor/TextCodec.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

TEST(LongLineDecode, FindsEachPieceWithoutReadingTheFileBeforeIt)
{
    // A file without line breaks whose bytes already decoded can no longer
    // be read: a search back to the start of the file would crash.
    EXPECT_EXIT(
        {
            const qsizetype page = sysconf(_SC_PAGESIZE);
            const qsizetype size = 64 * page;
            auto* memory = static_cast<char*>(
                mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
            std::memset(memory, 'x', size);
            const QByteArray bytes = QByteArray::fromRawData(memory, size);
            const TextFormat format = DetectFormat(bytes);
            qsizetype decoded = 0;
            DecodeInChunks(bytes, format, 4 * page, [&](QString&& piece) {
                decoded += piece.size();
                const qsizetype done = decoded / page * page;
                mprotect(memory, done, PROT_NONE);
            });
            std::exit(decoded == size ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
