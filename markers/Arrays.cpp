// SPDX-License-Identifier: GPL-3.0-or-later
#include "markers/Arrays.h"

#include "platform/AppError.h"

void TArray::ThrowRangeError(int index)
{
    throw AppError(tr("Index out of range: %1").arg(index));
}

void TArray::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        ThrowRangeError(index);
}

std::int32_t TArray::GetItem(int index) const
{
    CheckIndex(index);
    return items_[static_cast<std::size_t>(index)];
}

void TArray::SetItem(int index, std::int32_t value)
{
    CheckIndex(index);
    items_[static_cast<std::size_t>(index)] = value;
}

void TArray::Add(std::int32_t value)
{
    items_.push_back(value);
}

void TArray::Clear()
{
    items_.clear();
}

void TArray::Delete(int index)
{
    CheckIndex(index);
    items_.erase(items_.begin() + index);
}
