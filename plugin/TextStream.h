#pragma once
// An output stream whose text can be taken out without a copy, so that a
// section as big as the document is held once, not twice, on its way to the
// file.

#include <array>
#include <ostream>
#include <streambuf>
#include <string>

class TextBuffer : public std::streambuf {
public:
    TextBuffer() { setp(chunk_.data(), chunk_.data() + chunk_.size()); }
    // Everything written so far; the buffer is empty afterwards.
    std::string take();

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    void flushChunk();

    std::string text_;
    std::array<char, 4096> chunk_{};
};

class TextStream : public std::ostream {
public:
    TextStream() : std::ostream(&buffer_) {}
    std::string take() { return buffer_.take(); }

private:
    TextBuffer buffer_;
};
