// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>

#include <cstdint>
#include <vector>

// A growable array of signed 32-bit integers. Every indexed access is
// checked: an index below 0 or not below Count() throws AppError with the
// message "Index out of range: <index>" and leaves the array unchanged.
class TArray {
    Q_DECLARE_TR_FUNCTIONS(TArray)
public:
    int Count() const { return static_cast<int>(items_.size()); }
    std::int32_t GetItem(int index) const;
    void SetItem(int index, std::int32_t value);
    void Add(std::int32_t value);
    void Clear();
    void Delete(int index);   // later elements move one place down

    // Throws the range error for `index`.
    [[noreturn]] static void ThrowRangeError(int index);

private:
    void CheckIndex(int index) const;

    std::vector<std::int32_t> items_;
};
