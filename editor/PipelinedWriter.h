// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QtGlobal>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

class QIODevice;

// Writes filled buffers to a device on a second thread while the caller
// fills the next one, so producing the bytes and writing them overlap.
// The device belongs to the writer until Finish returns.
class PipelinedWriter {
public:
    PipelinedWriter(QIODevice& device, qsizetype bufferSize);
    ~PipelinedWriter();
    PipelinedWriter(const PipelinedWriter&) = delete;
    PipelinedWriter& operator=(const PipelinedWriter&) = delete;

    char* Buffer() { return buffers_[current_].data(); }   // the one to fill now
    // Hands over the first `used` bytes of the current buffer and waits for
    // a free one. False once a write has failed: the caller may stop early.
    bool Submit(qsizetype used);
    // Waits for every write; false when one failed.
    bool Finish();

private:
    void Run();
    bool Write(const char* data, qsizetype size);

    QIODevice& device_;
    QByteArray buffers_[2];
    int current_ = 0;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::pair<int, qsizetype>> queue_;   // buffer index, bytes
    bool busy_[2] = {false, false};
    bool failed_ = false;
    bool closing_ = false;
    qint64 written_ = 0;   // bytes handed to the device so far
    std::thread thread_;
};
