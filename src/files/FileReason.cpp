#include "FileReason.h"

#include <sys/stat.h>
#include <cerrno>

namespace FileReason {

namespace {

struct Reason {
    int error;
    const char *text;
};

// The errors a user can do something about, each with what it means for the file.
const Reason kReasons[] = {
    {ENOENT, "文件不存在"},
    {ENOTDIR, "路径中有一项不是文件夹"},
    {EACCES, "没有权限"},
    {EPERM, "没有权限"},
    {EROFS, "文件所在的磁盘只读"},
    {EISDIR, "是一个文件夹"},
    {ENOSPC, "磁盘已满"},
    {EDQUOT, "磁盘配额已用完"},
    {EFBIG, "文件超出系统允许的大小"},
    {ENOMEM, "内存不足"},
    {EMFILE, "打开的文件过多"},
    {ENFILE, "打开的文件过多"},
    {ENAMETOOLONG, "路径过长"},
    {ELOOP, "符号链接过多"},
    {EIO, "读写磁盘时出错"},
    {EBUSY, "文件正被占用"},
    {ETXTBSY, "文件正被占用"},
    {ENXIO, "另一端没有程序接收"},
    {EPIPE, "接收的程序已不再读取"},
};

QString withSystemText(const char *reason, int error)
{
    return QStringLiteral("%1（%2）").arg(QString::fromUtf8(reason), qt_error_string(error));
}

}  // namespace

QString forError(int error)
{
    for (const Reason &reason : kReasons)
        if (reason.error == error) return withSystemText(reason.text, error);
    return withSystemText("系统错误", error);
}

std::optional<QString> forSystemText(const QString &systemText)
{
    for (const Reason &reason : kReasons)
        if (systemText == qt_error_string(reason.error))
            return withSystemText(reason.text, reason.error);
    return std::nullopt;
}

QString forNonRegular(unsigned mode)
{
    if (S_ISDIR(mode)) return QStringLiteral("是一个文件夹");
    if (S_ISFIFO(mode)) return QStringLiteral("是一个命名管道，不是普通文件");
    if (S_ISSOCK(mode)) return QStringLiteral("是一个套接字，不是普通文件");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("是一个设备，不是普通文件");
    return QStringLiteral("不是普通文件");
}

}  // namespace FileReason
