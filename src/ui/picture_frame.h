#pragma once
// A frame that paints a picture of the data directory stretched over its whole area (the backgrounds).

#include <QFrame>
#include <QPixmap>

namespace veskaro::ui {

class PictureFrame : public QFrame {
  public:
    using QFrame::QFrame;
    void setPicture(const QPixmap& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap m_picture;
};

} // namespace veskaro::ui
