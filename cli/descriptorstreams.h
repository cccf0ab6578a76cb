#pragma once

// Streams on file descriptors that remember why a read or a write failed, so that structcalc can
// say it: "cannot write the output: No space left on device", "cannot read the standard input: it
// is a folder". The standard streams of the library keep only a failed bit.
//
//     structcalc::DescriptorOutput output(1);
//     std::ostream out(&output);
//     out << rows;
//     out.flush();
//     if (output.error() != 0) ...   // the errno of the first failed write

#include <array>
#include <streambuf>
#include <string>

namespace structcalc {

class DescriptorInput : public std::streambuf
{
public:
    explicit DescriptorInput(int descriptor) : m_descriptor(descriptor) {}
    int descriptor() const { return m_descriptor; }
    // The errno of the read that failed; 0 where none did (the end of the input is no failure).
    int error() const { return m_error; }

protected:
    int_type underflow() override;

private:
    int m_descriptor;
    int m_error = 0;
    std::array<char, 65536> m_buffer{};
};

class DescriptorOutput : public std::streambuf
{
public:
    explicit DescriptorOutput(int descriptor);
    ~DescriptorOutput() override;
    DescriptorOutput(const DescriptorOutput &) = delete;
    DescriptorOutput &operator=(const DescriptorOutput &) = delete;

    int descriptor() const { return m_descriptor; }
    // The errno of the first write that failed; 0 where all went out. After one fails, nothing
    // more is written.
    int error() const { return m_error; }
    // Writes what is buffered and closes the descriptor; false where a write or the close failed.
    bool close();

protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char *text, std::streamsize count) override;
    int sync() override;

private:
    bool writeOut(const char *text, std::size_t count);
    bool flushBuffer();

    int m_descriptor;
    int m_error = 0;
    bool m_wrote = false;
    std::array<char, 65536> m_buffer{};
};

// Why the stream's buffer failed, in the words of a message ("No space left on device", "it is a
// folder"); "" where it did not or where it is no descriptor stream.
std::string streamProblem(const std::streambuf *buffer);

}  // namespace structcalc
