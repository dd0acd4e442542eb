#include "ui/picture_button.h"

#include <QBoxLayout>
#include <QEnterEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace veskaro::ui {

namespace {

constexpr int kFacePadding = 4; // px between the picture and the edge of the face
constexpr qreal kCornerRadius = 5.0;
constexpr qreal kDisabledOpacity = 0.45;

// The face picture in grey for the disabled state.
QPixmap GreyPicture(const QPixmap& picture) {
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    QPixmap grey = QPixmap::fromImage(image);
    grey.setDevicePixelRatio(picture.devicePixelRatio());
    return grey;
}

} // namespace

// --- PictureFace -----------------------------------------------------------------------------------

PictureFace::PictureFace(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMinimumSize(sizeHint());
}

void PictureFace::setFace(const QPixmap& face) {
    m_face = face;
    update();
}

void PictureFace::setFaceSize(const QSize& size) {
    m_faceSize = size;
    setMinimumSize(sizeHint());
    updateGeometry();
    update();
}

QSize PictureFace::sizeHint() const {
    return m_faceSize + QSize(2 * kFacePadding, 2 * kFacePadding);
}

void PictureFace::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPalette& pal = palette();
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool sunken = isDown();

    // Flat at rest, a light plate under the mouse, a darker inset plate while pressed.
    QColor plate = Qt::transparent;
    QColor border = Qt::transparent;
    if (sunken) {
        plate = pal.color(QPalette::Mid).lighter(125);
        border = pal.color(QPalette::Dark);
    } else if (m_hover && isEnabled()) {
        plate = pal.color(QPalette::Midlight);
        border = pal.color(QPalette::Mid);
    }
    painter.setPen(border == Qt::transparent ? QPen(Qt::NoPen) : QPen(border, 1.0));
    painter.setBrush(plate);
    painter.drawRoundedRect(frame, kCornerRadius, kCornerRadius);
    if (sunken) {
        // Inner shadow along the top and left edge: the plate reads as pressed in.
        QPainterPath shadow;
        shadow.addRoundedRect(frame.adjusted(1, 1, -1, -1), kCornerRadius - 1, kCornerRadius - 1);
        painter.setPen(QPen(pal.color(QPalette::Shadow).lighter(170), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), 3));
        painter.drawPath(shadow);
        painter.setClipRect(QRectF(frame.left(), frame.top(), 3, frame.height()));
        painter.drawPath(shadow);
        painter.setClipping(false);
    }

    if (!m_face.isNull()) {
        QRect target(QPoint(0, 0), m_faceSize);
        target.moveCenter(rect().center());
        if (sunken) target.translate(1, 1);
        if (isEnabled()) {
            painter.drawPixmap(target, m_face);
        } else {
            painter.setOpacity(kDisabledOpacity);
            painter.drawPixmap(target, GreyPicture(m_face));
            painter.setOpacity(1.0);
        }
    }

    if (hasFocus()) {
        painter.setPen(QPen(pal.color(QPalette::Highlight), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), kCornerRadius - 1, kCornerRadius - 1);
    }
}

void PictureFace::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        m_enterDown = true;
        setDown(true);
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureFace::keyReleaseEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat() &&
        m_enterDown) {
        m_enterDown = false;
        setDown(false);
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

void PictureFace::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureFace::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

// --- CaptionTwin -----------------------------------------------------------------------------------

CaptionTwin::CaptionTwin(PictureFace* face, QWidget* parent) : QLabel(parent), m_face(face) {
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void CaptionTwin::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    m_face->setDown(true);
    event->accept();
}

void CaptionTwin::mouseMoveEvent(QMouseEvent* event) {
    // Like a button: moving off the caption raises the picture, moving back presses it again.
    if (m_pressed) m_face->setDown(rect().contains(event->position().toPoint()));
    QLabel::mouseMoveEvent(event);
}

void CaptionTwin::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    const bool inside = rect().contains(event->position().toPoint());
    m_face->setDown(false);
    event->accept();
    if (inside && m_face->isEnabled()) m_face->click();
}

void CaptionTwin::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled() && m_pressed) {
        m_pressed = false;
        m_face->setDown(false);
    }
    QLabel::changeEvent(event);
}

// --- PictureButton ---------------------------------------------------------------------------------

PictureButton::PictureButton(const QString& name, QWidget* parent, Arrangement arrangement)
    : QWidget(parent) {
    m_faceButton = new PictureFace(this);
    m_faceButton->setObjectName(name);
    m_caption = new CaptionTwin(m_faceButton, this);
    m_caption->setObjectName(name + QStringLiteral("_l"));

    QBoxLayout* layout = nullptr;
    if (arrangement == Arrangement::FaceAbove) {
        layout = new QVBoxLayout(this);
        layout->setSpacing(2);
        layout->addWidget(m_faceButton, 0, Qt::AlignHCenter);
        layout->addWidget(m_caption);
        layout->addStretch(1);
        m_caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        // Room for two caption lines: a row of commands keeps its faces in line and none is squeezed.
        m_caption->setMinimumHeight(2 * m_caption->fontMetrics().lineSpacing() + 2);
    } else {
        layout = new QHBoxLayout(this);
        layout->setSpacing(6);
        layout->addWidget(m_faceButton, 0, Qt::AlignVCenter);
        layout->addWidget(m_caption, 1);
        m_caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    layout->setContentsMargins(0, 0, 0, 0);
    connect(m_faceButton, &QAbstractButton::clicked, this, &PictureButton::triggered);
}

void PictureButton::setText(const QString& text) {
    m_caption->setText(text);
    m_faceButton->setAccessibleName(text);
}

void PictureButton::setHint(const QString& hint) {
    m_faceButton->setToolTip(hint);
    m_caption->setToolTip(hint);
}

QPixmap LoadFacePicture(const QString& path, const QSize& logicalSize) {
    QImage image(path);
    if (image.isNull()) return {};
    // Bitmaps carry no alpha channel: the faces are drawn on the window colour, and the colour of the
    // corner pixel becomes transparent.
    if (!image.hasAlphaChannel()) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = image.pixel(0, 0);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (line[x] == key) line[x] = 0;
            }
        }
    }
    QPixmap picture = QPixmap::fromImage(image);
    // Pictures are drawn at twice their logical size: one device pixel each at 200 % scaling.
    picture.setDevicePixelRatio(qMax<qreal>(1.0, qreal(picture.width()) / logicalSize.width()));
    return picture;
}

} // namespace veskaro::ui
