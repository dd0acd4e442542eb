#include "room/room_form_qt.h"

#include <QAction>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>

#include "app/app_context.h"
#include "ui/input_field.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

QGridLayout* GroupGrid(QWidget* box) {
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(2, 34);
    return grid;
}

RoomForm::RoomForm(AppContext& ctx, QObject* receiver) : m_ctx(ctx), m_receiver(receiver) {}

QString RoomForm::caption(Cap slot) const {
    return Q(m_ctx.captions[slot]);
}

std::function<QString()> RoomForm::slot(Cap slot) const {
    return [this, slot] { return caption(slot); };
}

QString RoomForm::dataPath(const char* file) const {
    return QDir(Q(m_ctx.dataDir)).filePath(QString::fromLatin1(file));
}

void RoomForm::applyCaptions() const {
    for (const auto& apply : m_captioned)
        apply();
}

QString RoomForm::unitText(RowUnit unit) const {
    const UnitLabels& units = m_ctx.captions.units;
    switch (unit) {
    case RowUnit::Length:
        return Q(units.length);
    case RowUnit::Area:
        return Q(units.length) + QStringLiteral("²");
    case RowUnit::Volume:
        return Q(units.length) + QStringLiteral("³");
    case RowUnit::Temperature:
        return Q(units.temperature);
    case RowUnit::TemperatureDifference:
        return Q(units.temperatureDifference);
    case RowUnit::Percent:
        return QStringLiteral("%");
    case RowUnit::PerHour:
        return QStringLiteral("1/h");
    case RowUnit::LightingDensity:
        return QStringLiteral("W/m²");
    case RowUnit::SmallPower:
        return Q(units.smallPower);
    case RowUnit::VolumeFlow:
        return Q(units.volumeFlow);
    case RowUnit::None:
    case RowUnit::HoursPerDay:
    case RowUnit::PerDay:
    case RowUnit::OperatingTime:
        break;
    }
    return QString();
}

ui::InputField* RoomForm::makeField(RoomField field) {
    auto* edit = new ui::InputField(QString::fromLatin1(RoomFieldName(field)));
    m_field[static_cast<std::size_t>(field)] = edit;
    if (IsFreeTextField(field)) {
        edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        edit->setFixedWidth(kFieldWidth);
    }
    QObject::connect(edit, &ui::InputField::edited, m_receiver, [this, field] {
        if (onFieldEdited) onFieldEdited(field);
    });
    QObject::connect(edit, &ui::InputField::committed, m_receiver, [this, field] {
        if (onFieldCommitted) onFieldCommitted(field);
    });
    return edit;
}

QLabel* RoomForm::makeCaption(std::function<QString()> text, const char* name) {
    auto* label = new QLabel;
    if (name != nullptr) label->setObjectName(QString::fromLatin1(name));
    m_captioned.push_back([label, text = std::move(text)] { label->setText(text()); });
    return label;
}

QLabel* RoomForm::makeUnit(const QString& unit) {
    auto* label = new QLabel(unit);
    label->setProperty("role", QStringLiteral("unit"));
    return label;
}

QLabel* RoomForm::makeOutput(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setProperty("role", QStringLiteral("output"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedWidth(kFieldWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_outputs.push_back(label);
    return label;
}

QLabel* RoomForm::output(const char* name) const {
    for (QLabel* label : m_outputs) {
        if (label->objectName() == QLatin1String(name)) return label;
    }
    return nullptr;
}

QScrollBar* RoomForm::makeScrollBar(RoomScrollBar bar) {
    auto* scroll = new QScrollBar(Qt::Horizontal);
    scroll->setObjectName(QString::fromLatin1(RoomScrollBarName(bar)));
    const ScrollRange range = RoomScrollBarRange(bar);
    scroll->setRange(range.minimum, range.maximum);
    scroll->setSingleStep(1);
    scroll->setPageStep(10);
    // The field beside the bar takes typed values; the bar is for the mouse and keeps the typing focus.
    scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll[static_cast<std::size_t>(bar)] = scroll;
    QObject::connect(scroll, &QScrollBar::valueChanged, m_receiver, [this, bar](int position) {
        if (onScrollBar) onScrollBar(bar, position);
    });
    return scroll;
}

ui::PictureButton* RoomForm::makeCommand(const char* name, const char* face, bool enabled, bool faceAbove,
                                         QSize size) {
    auto* button = new ui::PictureButton(QString::fromLatin1(name), nullptr,
                                         faceAbove ? ui::PictureButton::Arrangement::FaceAbove
                                                   : ui::PictureButton::Arrangement::FaceLeft);
    button->setFaceSize(size);
    m_captioned.push_back(
        [this, button, face, size] { button->setFace(ui::LoadFacePicture(dataPath(face), size)); });
    button->setEnabled(enabled);
    return button;
}

ui::PictureButton* RoomForm::makeCaptionedCommand(const char* name, const char* face,
                                                  std::function<QString()> text, QSize size) {
    ui::PictureButton* button = makeCommand(name, face, true, false, size);
    m_captioned.push_back([button, text = std::move(text)] {
        button->setText(text());
        button->setHint(text());
    });
    return button;
}

QAction* RoomForm::makeAction(QObject* parent, const char* name, const char* face, bool enabled) {
    auto* action = new QAction(parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    if (face != nullptr) {
        m_captioned.push_back([this, action, face] {
            action->setIcon(QIcon(ui::LoadFacePicture(dataPath(face), QSize(16, 16))));
        });
    }
    return action;
}

void RoomForm::addRows(QGridLayout* grid, std::span<const GroupRow> rows,
                       const std::function<void(QGridLayout*, int)>& extra) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const GroupRow& row = rows[i];
        if (row.kind == GroupRow::Kind::Extra) {
            if (extra) extra(grid, static_cast<int>(i));
            continue;
        }
        const AppContext& ctx = m_ctx;
        const auto composed = row.composedCaption;
        QLabel* label = composed != nullptr
                            ? makeCaption([&ctx, composed] { return Q(composed(ctx)); }, row.captionName)
                            : makeCaption(slot(row.caption), row.captionName);
        QWidget* value = row.kind == GroupRow::Kind::Field ? static_cast<QWidget*>(makeField(row.field))
                                                           : makeOutput(row.outputName);
        QLabel* unit = row.unit == RowUnit::None ? nullptr : makeUnit(unitText(row.unit));
        if (row.unit == RowUnit::HoursPerDay || row.unit == RowUnit::PerDay) {
            const QString prefix =
                row.unit == RowUnit::HoursPerDay ? QStringLiteral("h/") : QStringLiteral("/");
            whenCaptioned([this, unit, prefix] { unit->setText(prefix + caption(Cap::DayWord)); });
        } else if (row.unit == RowUnit::OperatingTime) {
            unit->setObjectName(QStringLiteral("LaufzeitEinheit"));
            m_operatingTimeUnit = unit;
        }
        const int at = grid->rowCount();
        grid->addWidget(label, at, 0);
        grid->addWidget(value, at, 1, Qt::AlignRight);
        if (unit != nullptr) grid->addWidget(unit, at, 2);
        if (row.scrollBar >= 0)
            grid->addWidget(makeScrollBar(static_cast<RoomScrollBar>(row.scrollBar)), at + 1, 0, 1, 3);
    }
}

QGroupBox* RoomForm::buildGroup(const InputGroup& group,
                                const std::function<void(QGridLayout*, int)>& extra) {
    auto* box = new QGroupBox;
    box->setObjectName(QString::fromLatin1(group.name));
    const Cap title = group.title;
    whenCaptioned([this, box, title] { box->setTitle(caption(title)); });
    addRows(GroupGrid(box), group.rows, extra);
    return box;
}

} // namespace veskaro
