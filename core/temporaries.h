// The temporaries being written, where a handler of a signal that ends the
// program can find them and remove them: a few fixed slots, each holding a
// path only while it is marked taken. A temporary that finds no free slot is
// still removed on any ordinary end.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <filesystem>

namespace skinwright {

class Temporaries {
public:
    static Temporaries& Instance();

    // The slot that now holds the path, or -1.
    int Hold(const std::filesystem::path& path);
    void Release(int index);
    // Unlinks every temporary held, and nothing else, as a signal handler may.
    void RemoveAll();

private:
    static constexpr int kSlots = 8;
    static constexpr std::size_t kPathLength = 4096;
    struct Slot {
        std::atomic<bool> claimed{false};
        std::atomic<bool> held{false};
        std::array<std::filesystem::path::value_type, kPathLength> path{};
    };
    std::array<Slot, kSlots> slots_;
};

}  // namespace skinwright
