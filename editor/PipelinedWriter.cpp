// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PipelinedWriter.h"

#include <QFileDevice>
#include <QIODevice>

#include <fcntl.h>

PipelinedWriter::PipelinedWriter(QIODevice& device, qsizetype bufferSize) : device_(device)
{
    for (QByteArray& b : buffers_)
        b = QByteArray(bufferSize, Qt::Uninitialized);
    thread_ = std::thread([this] { Run(); });
}

PipelinedWriter::~PipelinedWriter()
{
    Finish();
}

bool PipelinedWriter::Submit(qsizetype used)
{
    std::unique_lock lock(mutex_);
    if (used > 0) {
        busy_[current_] = true;
        queue_.emplace_back(current_, used);
        changed_.notify_all();
        current_ = 1 - current_;
    }
    changed_.wait(lock, [this] { return !busy_[current_]; });
    return !failed_;
}

bool PipelinedWriter::Finish()
{
    {
        std::unique_lock lock(mutex_);
        closing_ = true;
        changed_.notify_all();
    }
    if (thread_.joinable())
        thread_.join();
    return !failed_;
}

void PipelinedWriter::Run()
{
    for (;;) {
        std::pair<int, qsizetype> job;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return closing_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            job = queue_.front();
            queue_.pop_front();
        }
        const bool ok = failed_ || Write(buffers_[job.first].constData(), job.second);
        std::unique_lock lock(mutex_);
        failed_ = failed_ || !ok;
        busy_[job.first] = false;
        changed_.notify_all();
    }
}

bool PipelinedWriter::Write(const char* data, qsizetype size)
{
    if (device_.write(data, size) != size)
        return false;
    auto* file = qobject_cast<QFileDevice*>(&device_);
    if (file && !file->flush())
        return false;
    if (file && file->handle() >= 0) {
        // Start putting this part on the disk now: the final flush of a
        // large file then has little left to wait for.
        ::sync_file_range(file->handle(), written_, size, SYNC_FILE_RANGE_WRITE);
    }
    written_ += size;
    return true;
}
