#include "SaveDialogs.h"

#include "Dialogs.h"
#include "files/AtomicSave.h"
#include "files/DataError.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace SaveDialogs {

namespace {

QString startFolder(bool pictures)
{
    QList<QStandardPaths::StandardLocation> places{QStandardPaths::DocumentsLocation,
                                                   QStandardPaths::HomeLocation};
    if (pictures) places.prepend(QStandardPaths::PicturesLocation);
    for (const QStandardPaths::StandardLocation place : places) {
        const QString folder = QStandardPaths::writableLocation(place);
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    }
    return QDir::homePath();
}

int typeOfSuffix(const QList<FileType> &types, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (int i = 0; i < types.size(); ++i)
        if (suffix.compare(types.at(i).suffix, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

// The dialog puts the type's suffix on a name typed without one. A terminal, a pipe or a
// link typed by its name (/dev/stdout, a named pipe) is meant as it is: the writer writes
// into it, or through the link.
QString typedTarget(const QString &path, const QString &suffix)
{
    const QString added = QLatin1Char('.') + suffix;
    if (suffix.isEmpty() || !path.endsWith(added) || QFileInfo::exists(path)) return path;
    const QFileInfo bare(path.chopped(added.size()));
    const bool named = bare.exists() && !bare.isDir() && (bare.isSymLink() || !bare.isFile());
    return named ? bare.filePath() : path;
}

// Printing to a file is a save like the others: the PDF is made in memory and written by
// the one writer, whole or not at all, and a pipe or device stays what it was.
void printToFile(QWidget *parent, const QPrinter &printer,
                 const std::function<bool(QPagedPaintDevice &device)> &paint)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter pdf(&bytes);
        pdf.setPageLayout(printer.pageLayout());
        pdf.setResolution(printer.resolution());
        pdf.setTitle(printer.docName());
        painted = paint(pdf);
    }
    Dialogs::runHandler(parent, [&] {
        if (!painted)
            throw DataError(DataError::Kind::WriteFailed, printer.outputFileName(), 0,
                            QStringLiteral("无法生成 PDF"));
        AtomicSave::write(printer.outputFileName(), bytes.data());
    });
}

}  // namespace

QList<FileType> pictureTypes()
{
    return {{QStringLiteral("PNG 图片 (*.png)"), QStringLiteral("png")},
            {QStringLiteral("SVG 图片 (*.svg)"), QStringLiteral("svg")}};
}

std::optional<Choice> askFileName(QWidget *parent, const QString &title,
                                  const QList<FileType> &types, const QString &baseName,
                                  bool pictures)
{
    QFileDialog dialog(parent, title, startFolder(pictures));
    // Qt's own dialog: the desktop's may be missing, or speak another language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileType &type : types) filters.append(type.filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(types.value(0).suffix);
    dialog.selectFile(baseName + QLatin1Char('.') + types.value(0).suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        dialog.setDefaultSuffix(types.value(int(filters.indexOf(filter))).suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = typedTarget(dialog.selectedFiles().constFirst(), dialog.defaultSuffix());
    const int bySuffix = typeOfSuffix(types, path);
    const int chosen = int(filters.indexOf(dialog.selectedNameFilter()));
    return Choice{path, bySuffix >= 0 ? bySuffix : qMax(0, chosen)};
}

void print(QWidget *parent, const QString &documentName,
           const std::function<bool(QPagedPaintDevice &device)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printer.outputFileName().isEmpty()) return printToFile(parent, printer, paint);
    if (paint(printer)) return;
    // A printer says only that it did not start.
    Dialogs::message(parent, QStringLiteral("打印机“%1”无法开始打印。").arg(printer.printerName()),
                     QStringLiteral("Ferrova元素周期表 - 打印"));
}

}  // namespace SaveDialogs
