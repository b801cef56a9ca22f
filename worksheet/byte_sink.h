#pragma once

#include <string>
#include <string_view>

namespace worksheet {

// Where the zoned line writer sends its bytes. A sink that cannot take them throws
// std::system_error (std::filesystem::filesystem_error for a file), naming the reason.
class ByteSink {
public:
    virtual void write(std::string_view bytes) = 0;

protected:
    ByteSink() = default;
    ByteSink(const ByteSink&) = default;
    ByteSink& operator=(const ByteSink&) = default;
    ~ByteSink() = default;
};

// Keeps the bytes in memory.
class StringSink final : public ByteSink {
public:
    void write(std::string_view bytes) override { m_bytes += bytes; }
    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

} // namespace worksheet
