#pragma once
// What the fuzz targets share: a scratch program folder on a fast file
// system, a reader that splits an input into arguments and file bytes, and
// a check that stops the run (a finding) when a property does not hold.
#include <cstddef>
#include <cstdint>
#include <string>

namespace bw::fuzz {

// The scratch program folder (ending with '/'), created once per process and
// removed at exit; the parameter block's program folder points at it.
const std::string& ScratchDir();
// Writes `bytes` to `relative` under the scratch folder (folders created);
// returns the full path.
std::string WriteScratch(const std::string& relative, const std::string& bytes);
// Empties the scratch folder and resets the parameter block for it, so that
// one input never sees the files the last one left.
void FreshProgramState();
// A QGuiApplication on the offscreen platform, made once (pictures, fonts).
void EnsureGuiApplication();

// Takes arguments off the front of an input; the rest is file content.
class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte();
    uint32_t U32();
    bool Bool() { return Byte() & 1; }
    // Up to `max` bytes, ended early by a NUL (not included).
    std::string Text(size_t max);
    // What is left.
    std::string Rest();
    size_t left() const { return size_ - pos_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// A property the code must keep on every input: prints `what` and aborts.
void Require(bool ok, const char* what);

}  // namespace bw::fuzz
