#include "platform/ExactRead.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool readExactFile(const QString &native, QByteArray &bytes)
{
    if (native.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(native);
    int fd;
    do
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    struct stat st {};
    bool gut = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    QByteArray data;
    if (gut) {
        // One byte more than its size is asked for, so that the one read
        // that returns the whole file also shows it ended.
        qsizetype gelesen = 0;
        data.resize(qsizetype(st.st_size) + 1);
        for (;;) {
            const ssize_t n = ::read(fd, data.data() + gelesen, size_t(data.size() - gelesen));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                gut = false;
                break;
            }
            if (n == 0)
                break;
            gelesen += n;
            if (gelesen == data.size())
                data.resize(data.size() * 2); // it grew while being read
            else if (gelesen >= qsizetype(st.st_size))
                break; // a short read at the size it had: its end
        }
        data.truncate(gelesen);
    }
    ::close(fd);
    if (gut)
        bytes = std::move(data);
    return gut;
}

} // namespace platform
