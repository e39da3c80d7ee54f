#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The frames of one video stream: each frame's size, and the positions of the
// key frames in ascending order. Eight bytes per frame at most, whatever the
// file. The count never passes what a signed 32-bit LONG can number.
class FrameTable {
public:
    static constexpr size_t kMaxFrames = 0x7FFFFFFF;

    // False (and nothing added) once the table is full.
    bool Append(uint32_t size, bool key);
    // Gives back the spare capacity of growth.
    void Finish();
    void Clear();

    size_t Count() const { return m_sizes.size(); }
    uint32_t SizeAt(size_t position) const { return m_sizes[position]; }
    // The nearest key frame at or before `position`, or -1. `hint` is the
    // caller's own place in the key list: a walk frame by frame finds its key
    // there or one further, and only a jump pays for a binary search.
    long KeyAtOrBefore(long position, size_t& hint) const;

private:
    std::vector<uint32_t> m_sizes;
    std::vector<uint32_t> m_keys;
};
