#include "cli/descriptorstreams.h"

#include "shell/core/files.h"

#include <cerrno>
#include <string>

#include <unistd.h>

namespace structcalc {

DescriptorInput::int_type DescriptorInput::underflow()
{
    if (m_error != 0)
        return traits_type::eof();
    for (;;) {
        const ssize_t got = ::read(m_descriptor, m_buffer.data(), m_buffer.size());
        if (got > 0) {
            setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + got);
            return traits_type::to_int_type(m_buffer[0]);
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            m_error = errno;
        return traits_type::eof();
    }
}

DescriptorOutput::DescriptorOutput(int descriptor) : m_descriptor(descriptor)
{
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

DescriptorOutput::~DescriptorOutput()
{
    flushBuffer();
}

bool DescriptorOutput::writeOut(const char *text, std::size_t count)
{
    m_wrote = m_wrote || count > 0;
    while (count > 0 && m_error == 0) {
        const ssize_t written = ::write(m_descriptor, text, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            m_error = errno;
            break;
        }
        text += written;
        count -= static_cast<std::size_t>(written);
    }
    return m_error == 0;
}

bool DescriptorOutput::flushBuffer()
{
    const bool written = writeOut(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return written;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type ch)
{
    if (!flushBuffer())
        return traits_type::eof();
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(ch);
        pbump(1);
    }
    return traits_type::not_eof(ch);
}

std::streamsize DescriptorOutput::xsputn(const char *text, std::streamsize count)
{
    const auto room = epptr() - pptr();
    if (count <= room) {
        traits_type::copy(pptr(), text, static_cast<std::size_t>(count));
        pbump(static_cast<int>(count));
        return count;
    }
    // A long text goes out directly after what is buffered.
    if (!flushBuffer() || !writeOut(text, static_cast<std::size_t>(count)))
        return 0;
    return count;
}

int DescriptorOutput::sync()
{
    return flushBuffer() ? 0 : -1;
}

bool DescriptorOutput::close()
{
    flushBuffer();
    // A standard output closed from the start (>&-) is no failure where nothing was to go to it.
    if (m_descriptor >= 0 && ::close(m_descriptor) != 0 && m_error == 0 && (errno != EBADF || m_wrote))
        m_error = errno;
    m_descriptor = -1;
    return m_error == 0;
}

std::string streamProblem(const std::streambuf *buffer)
{
    int error = 0;
    if (const auto *input = dynamic_cast<const DescriptorInput *>(buffer))
        error = input->error();
    else if (const auto *output = dynamic_cast<const DescriptorOutput *>(buffer))
        error = output->error();
    return error == 0 ? std::string() : shell::fileProblem(error);
}

}  // namespace structcalc
