#pragma once
// A command of a window: a picture with its caption twin. Pressing either the picture or the caption shows
// the picture sunken; releasing over the same control runs the command (signal triggered()).

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace veskaro::ui {

// The picture face: a flat button that paints its pixmap, sunken while down. Space, Enter and Return press
// it from the keyboard; the command runs on the key release.
class PictureFace final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureFace)

  public:
    explicit PictureFace(QWidget* parent = nullptr);

    void setFace(const QPixmap& face);
    const QPixmap& face() const { return m_face; }
    // Logical size of the drawn picture (the pixmap may hold more device pixels).
    void setFaceSize(const QSize& size);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QPixmap m_face;
    QSize m_faceSize{32, 32};
    bool m_hover = false;
    bool m_enterDown = false; // pressed by Enter or Return, runs on their release
};

// The caption twin: a label that presses its picture face.
class CaptionTwin final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CaptionTwin)

  public:
    CaptionTwin(PictureFace* face, QWidget* parent = nullptr);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    PictureFace* m_face = nullptr;
    bool m_pressed = false;
};

// The pair as one widget: the face (objectName = name) and its caption (objectName = name + "_l").
class PictureButton final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureButton)

  public:
    enum class Arrangement { FaceLeft, FaceAbove };

    explicit PictureButton(const QString& name, QWidget* parent = nullptr,
                           Arrangement arrangement = Arrangement::FaceLeft);

    PictureFace* face() const { return m_faceButton; }
    CaptionTwin* caption() const { return m_caption; }

    void setFace(const QPixmap& face) { m_faceButton->setFace(face); }
    void setFaceSize(const QSize& size) { m_faceButton->setFaceSize(size); }
    void setText(const QString& text);
    QString text() const { return m_caption->text(); }
    // The tooltip of both the face and the caption.
    void setHint(const QString& hint);

  signals:
    void triggered();

  private:
    PictureFace* m_faceButton = nullptr;
    CaptionTwin* m_caption = nullptr;
};

// A face or icon picture of the data directory, drawn at twice its logical size and marked so that it
// paints sharp at 100 % and 200 % scaling. In a picture without alpha channel (a bitmap) the colour of the
// corner pixel is the background and becomes transparent. Null when the file cannot be read.
QPixmap LoadFacePicture(const QString& path, const QSize& logicalSize);

} // namespace veskaro::ui
