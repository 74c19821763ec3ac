#include "DataError.h"

#include <QDir>

namespace {

QString problemText(DataError::Kind kind)
{
    switch (kind) {
        case DataError::Kind::OpenFailed: return QStringLiteral("无法打开文件");
        case DataError::Kind::TooFewTabs: return QStringLiteral("记录的文本项少于九个制表符");
        case DataError::Kind::PastEnd: return QStringLiteral("文件在记录中途结束");
        case DataError::Kind::Overflow: return QStringLiteral("数值超出范围");
        case DataError::Kind::NotANumber: return QStringLiteral("应为数字");
        case DataError::Kind::TooLong: return QStringLiteral("行或数据项过长");
        case DataError::Kind::WriteFailed: return QStringLiteral("无法保存文件");
        case DataError::Kind::NoSuchElement: return QStringLiteral("没有这个元素");
        case DataError::Kind::BadItem: return QStringLiteral("数据项不符合格式");
        case DataError::Kind::BadTable: return QStringLiteral("表格的行列不对");
    }
    return {};
}

QString adviceText(DataError::Kind kind)
{
    switch (kind) {
        case DataError::Kind::OpenFailed:
            return QStringLiteral("请确认程序目录下的 Data 文件夹中有此文件并且可以读取。");
        case DataError::Kind::WriteFailed:
            return QStringLiteral(
                "请确认上面这个文件所在的文件夹可以写入、磁盘还有空间。"
                "原来的文件保持不变。");
        default: return QStringLiteral("请修正或恢复此文件后再试。");
    }
}

}  // namespace

DataError::DataError(Kind kind, QString file, int line, QString detail)
    : std::runtime_error(QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(detail).toStdString()),
      m_kind(kind),
      m_file(std::move(file)),
      m_line(line),
      m_detail(std::move(detail))
{
}

QString DataError::message() const
{
    QString text = QStringLiteral("文件：%1\n").arg(QDir::toNativeSeparators(m_file));
    if (m_line > 0) text += QStringLiteral("第 %1 行\n").arg(m_line);
    text += problemText(m_kind);
    if (!m_detail.isEmpty()) text += QStringLiteral("：%1").arg(m_detail);
    return text + QLatin1Char('\n') + adviceText(m_kind);
}
