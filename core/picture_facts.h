// What a resource's picture is: a GIF the phone can show, its size, frames
// and looping, or the first fault in its bytes. Pure: any bytes, from
// strangers; nothing is read past them and nothing is allocated by a size
// they give.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skinwright {

struct PictureFacts {
    // The logical screen was read, so width and height are known.
    bool hasScreen = false;
    int width = 0;
    int height = 0;
    std::size_t frames = 0;  // the frames read whole
    bool loops = false;      // an application extension plays the frames in a loop
    std::string fault;       // the first fault found, in plain words; empty for a well-formed GIF

    bool WellFormed() const { return fault.empty(); }
};

// The facts of a GIF87a or GIF89a file: the signature, the logical screen
// with its colour table, frames and extensions up to the trailer. Only the
// blocks are followed; the compressed pixels are not decoded.
PictureFacts ReadPictureFacts(std::string_view bytes);

}  // namespace skinwright
