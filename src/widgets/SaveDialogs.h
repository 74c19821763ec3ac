#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QWidget;

// The steps of saving and printing from a window: where to save (Qt's own file dialog, in
// Chinese on every desktop), writing the file whole or not at all, and Qt's print dialog.
// A failure is shown to the user with its reason.
namespace SaveDialogs {

struct FileType {
    QString filter;  // "PNG 图片 (*.png)"
    QString suffix;  // "png"
};

// PNG or SVG, the choice every "保存图片…" offers.
QList<FileType> pictureTypes();

struct Choice {
    QString path;
    int type;  // index into the types offered: that of the name's suffix, else the one chosen
};

// Asks where to save, starting in the user's pictures folder (`pictures`) or documents
// folder, else their home, with `baseName` and the first type's suffix filled in. A name
// typed without a suffix gets that of the chosen type. nullopt when cancelled.
std::optional<Choice> askFileName(QWidget *parent, const QString &title,
                                  const QList<FileType> &types, const QString &baseName,
                                  bool pictures);

// Qt's print dialog for one page in landscape; on OK `paint` draws on the chosen printer
// (or PDF file) and answers false when it could not start. A failure is shown.
void print(QWidget *parent, const QString &documentName,
           const std::function<bool(QPagedPaintDevice &device)> &paint);

}  // namespace SaveDialogs
