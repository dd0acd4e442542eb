// Picture buttons of the result window and the print settings.

#include "report/report_faces_qt.h"

#include <QBitmap>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "app/record_file.h"
#include "ui/picture_button.h"

namespace veskaro {

namespace {
const QSize kFaceSize(32, 32);
// Button faces are drawn on this window colour, which is made transparent when they are loaded.
const QColor kFaceKeyColour(0xF4, 0xF6, 0xF9);
} // namespace

QPixmap LoadDataPicture(const AppContext& ctx, const QString& pictureFile) {
    const std::string path = FindFileNoCase(ResolveDataPath(ctx, pictureFile.toStdString()));
    return QPixmap(QString::fromStdString(path));
}

ui::PictureButton* MakeCommandButton(const AppContext& ctx, const QString& name, const QString& pictureFile,
                                     const QString& caption, QStyle::StandardPixmap fallback,
                                     QWidget* parent) {
    auto* button = new ui::PictureButton(name, parent);
    QPixmap face = LoadDataPicture(ctx, pictureFile);
    if (!face.isNull() && face.toImage().pixelColor(0, 0) == kFaceKeyColour) {
        face.setMask(face.createMaskFromColor(kFaceKeyColour, Qt::MaskInColor));
    }
    if (face.isNull()) face = parent->style()->standardIcon(fallback).pixmap(kFaceSize * 2);
    face.setDevicePixelRatio(qMax<qreal>(1.0, qreal(face.width()) / kFaceSize.width()));
    button->setFaceSize(kFaceSize);
    button->setFace(face);
    button->setText(caption);
    return button;
}

} // namespace veskaro
