#include "plugin/TextStream.h"

#include <utility>

void TextBuffer::flushChunk() {
    text_.append(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(chunk_.data(), chunk_.data() + chunk_.size());
}

std::string TextBuffer::take() {
    flushChunk();
    return std::exchange(text_, std::string());
}

TextBuffer::int_type TextBuffer::overflow(int_type c) {
    flushChunk();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize TextBuffer::xsputn(const char* text, std::streamsize count) {
    // Long pieces go straight to the text instead of through the chunk.
    if (count > static_cast<std::streamsize>(chunk_.size())) {
        flushChunk();
        text_.append(text, static_cast<std::size_t>(count));
        return count;
    }
    return std::streambuf::xsputn(text, count);
}

int TextBuffer::sync() {
    flushChunk();
    return 0;
}
