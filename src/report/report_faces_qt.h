#pragma once
// The picture buttons of the report windows: face picture from the data directory, caption from the
// caption table, and a platform icon when the picture file is missing.

#include <QString>
#include <QStyle>

class QWidget;

namespace veskaro {

struct AppContext;

namespace ui {
class PictureButton;
}

// A picture button `name` (caption twin `name`_l) with the face `pictureFile` of the data directory.
ui::PictureButton* MakeCommandButton(const AppContext& ctx, const QString& name, const QString& pictureFile,
                                     const QString& caption, QStyle::StandardPixmap fallback,
                                     QWidget* parent);

// A picture file of the data directory, any letter case; a null pixmap when it is missing.
QPixmap LoadDataPicture(const AppContext& ctx, const QString& pictureFile);

} // namespace veskaro
