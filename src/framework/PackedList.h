#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Writes property lists in the packed form that SetProperties_ reads, at
// compile time: a list is written once by a constexpr function and kept as
// constant bytes with an explicit length.
namespace fw {

class ListWriter {
public:
    // With no buffer the writer only counts the bytes.
    constexpr explicit ListWriter(char* out = nullptr) : out_(out) {}

    constexpr ListWriter& Integer(std::string_view name, std::int32_t value)
    {
        Name(name);
        Int32(static_cast<std::uint32_t>(value));
        return *this;
    }
    constexpr ListWriter& Boolean(std::string_view name, bool value)
    {
        Name(name);
        Put(value ? 1 : 0);
        return *this;
    }
    constexpr ListWriter& Colour(std::string_view name, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
    {
        Name(name);
        Put(red);
        Put(green);
        Put(blue);
        return *this;
    }
    constexpr ListWriter& Text(std::string_view name, std::string_view text)
    {
        Name(name);
        Int32(static_cast<std::uint32_t>(text.size()));
        for (char c : text)
            Put(static_cast<std::uint8_t>(c));
        return *this;
    }

    constexpr std::size_t Size() const { return size_; }
    constexpr std::size_t Entries() const { return entries_; }

private:
    constexpr void Name(std::string_view name)
    {
        for (char c : name)
            Put(static_cast<std::uint8_t>(c));
        Put(' ');
        ++entries_;
    }
    constexpr void Int32(std::uint32_t value)
    {
        Put(static_cast<std::uint8_t>(value >> 24));
        Put(static_cast<std::uint8_t>(value >> 16));
        Put(static_cast<std::uint8_t>(value >> 8));
        Put(static_cast<std::uint8_t>(value));
    }
    constexpr void Put(std::uint8_t byte)
    {
        if (out_)
            out_[size_] = static_cast<char>(byte);
        ++size_;
    }

    char* out_;
    std::size_t size_ = 0;
    std::size_t entries_ = 0;
};

// The bytes that Write puts down, as constant data.
template <void (*Write)(ListWriter&)>
struct PackedList {
    static constexpr std::size_t kSize = [] {
        ListWriter counter;
        Write(counter);
        return counter.Size();
    }();
    static constexpr std::size_t kEntries = [] {
        ListWriter counter;
        Write(counter);
        return counter.Entries();
    }();
    static constexpr std::array<char, kSize> kBytes = [] {
        std::array<char, kSize> bytes{};
        ListWriter writer(bytes.data());
        Write(writer);
        return bytes;
    }();
    static constexpr std::string_view View() { return {kBytes.data(), kSize}; }
};

} // namespace fw
