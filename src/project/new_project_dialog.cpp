#include "project/new_project_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/number_text.h"
#include "room/humidity.h"
#include "room/room_controller.h"
#include "ui/input_field.h"
#include "ui/picture_button.h"
#include "ui/text.h"

namespace veskaro {

using ui::Q;

namespace {

// One row of the form: the field, its caption slot and its unit.
struct FieldRow {
    RoomField field;
    Cap caption;
    enum class Unit { None, Length, Temperature, TemperatureDifference, Percent } unit;
};

struct FieldGroup {
    const char* name;
    Cap title;
    std::initializer_list<FieldRow> rows;
};

using U = FieldRow::Unit;
const FieldGroup kGroups[] = {
    {"DimensionsFrame",
     Cap::DimensionsFrame,
     {{RoomField::RaumL, Cap::LengthWord, U::Length},
      {RoomField::RaumB, Cap::WidthWord, U::Length},
      {RoomField::RaumH, Cap::HeightWord, U::Length}}},
    {"InsideAirFrame",
     Cap::InsideAirFrame,
     {{RoomField::RaumTemp, Cap::TemperatureLabel, U::Temperature},
      {RoomField::RaumFeuchte, Cap::RelHumidityLabel, U::Percent},
      {RoomField::tempdiff, Cap::TempDifferenceLabel, U::TemperatureDifference},
      {RoomField::verdTemp, Cap::EvaporatingTemperatureLabel, U::Temperature}}},
    {"OutsideAirFrame",
     Cap::OutsideAirFrame,
     {{RoomField::AussenTemp, Cap::TemperatureLabel, U::Temperature},
      {RoomField::AussenFeuchte, Cap::RelHumidityLabel, U::Percent}}},
};

QString UnitText(const UnitLabels& units, FieldRow::Unit unit) {
    switch (unit) {
    case U::Length:
        return Q(units.length);
    case U::Temperature:
        return Q(units.temperature);
    case U::TemperatureDifference:
        return Q(units.temperatureDifference);
    case U::Percent:
        return QStringLiteral("%");
    case U::None:
        break;
    }
    return QString();
}

QLabel* Named(QLabel* label, const char* name) {
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QRadioButton* Option(const char* name, const QString& text) {
    auto* option = new QRadioButton(text);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

} // namespace

NewProjectDialog::NewProjectDialog(AppContext& ctx, RoomRecord entry, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_entry(std::move(entry)) {
    setObjectName(QStringLiteral("NewProject"));
    setWindowTitle(Q(m_ctx.captions[Cap::NewProjectTitle]));
    setModal(true);
    buildLayout();
    showFields();
    setOperatingBasis(m_entry.operatingBasis);
}

NewProjectDialog::~NewProjectDialog() {
    // A field losing the focus while the dialog goes away must not run a handler.
    m_busy = 1;
}

NewRoomKind NewProjectDialog::roomKind() const {
    return m_draw->isChecked() ? NewRoomKind::FloorPlan : NewRoomKind::Rectangular;
}

// --- Layout -------------------------------------------------------------------------------------------

void NewProjectDialog::buildLayout() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 14, 16, 14);
    column->setSpacing(10);
    auto* project = new QGridLayout;
    const std::pair<RoomField, Cap> texts[] = {{RoomField::proj, Cap::ProjectNameCaption},
                                               {RoomField::projbeschr, Cap::ProjectDescriptionCaption}};
    int row = 0;
    for (const auto& [field, caption] : texts) {
        auto* edit = new ui::InputField(QString::fromLatin1(RoomFieldName(field)));
        edit->setMinimumWidth(360);
        m_fields[field] = edit;
        project->addWidget(new QLabel(Q(m_ctx.captions[caption])), row, 0);
        project->addWidget(edit, row++, 1);
    }
    column->addLayout(project);
    column->addWidget(buildFields());
    column->addWidget(buildOptions());

    auto* commands = new QHBoxLayout;
    m_weiterbutt = new ui::PictureButton(QStringLiteral("weiterbutt"));
    m_abbrechbutt = new ui::PictureButton(QStringLiteral("abbrechbutt"));
    const auto face = [this](const char* file) {
        return ui::LoadFacePicture(Q(m_ctx.dataDir) + u'/' + QString::fromLatin1(file), QSize(32, 32));
    };
    m_weiterbutt->setFace(face("okcap.bmp"));
    m_abbrechbutt->setFace(face("abcap.bmp"));
    m_weiterbutt->setText(Q(m_ctx.captions[Cap::ContinueCaption]));
    m_abbrechbutt->setText(Q(m_ctx.captions[Cap::CancelCaption]));
    commands->addStretch(1);
    commands->addWidget(m_weiterbutt);
    commands->addSpacing(24);
    commands->addWidget(m_abbrechbutt);
    column->addLayout(commands);
    connect(m_weiterbutt, &ui::PictureButton::triggered, this, [this] { goOn(); });
    connect(m_abbrechbutt, &ui::PictureButton::triggered, this, &QDialog::reject);
    for (auto& [field, edit] : m_fields) {
        const RoomField f = field;
        connect(edit, &ui::InputField::edited, this, [this, f] { onEdited(f); });
        connect(edit, &ui::InputField::committed, this, [this, f] { onCommitted(f); });
    }
}

QWidget* NewProjectDialog::buildFields() {
    auto* panel = new QWidget;
    auto* groups = new QHBoxLayout(panel);
    groups->setContentsMargins(0, 0, 0, 0);
    for (const FieldGroup& group : kGroups) {
        auto* box = new QGroupBox(Q(m_ctx.captions[group.title]));
        box->setObjectName(QString::fromLatin1(group.name));
        auto* grid = new QGridLayout(box);
        int row = 0;
        for (const FieldRow& r : group.rows) {
            auto* edit = new ui::InputField(QString::fromLatin1(RoomFieldName(r.field)));
            edit->setFixedWidth(80);
            m_fields[r.field] = edit;
            grid->addWidget(new QLabel(Q(m_ctx.captions[r.caption])), row, 0);
            grid->addWidget(edit, row, 1);
            grid->addWidget(new QLabel(UnitText(m_ctx.captions.units, r.unit)), row++, 2);
        }
        if (group.title == Cap::DimensionsFrame) {
            const std::tuple<QLabel**, const char*, Cap, QString> outputs[] = {
                {&m_Umfang, "Umfang", Cap::PerimeterWord, Q(m_ctx.captions.units.length)},
                {&m_Area, "Area", Cap::FloorAreaWord, Q(m_ctx.captions.units.length) + QStringLiteral("²")},
                {&m_Vol, "Vol", Cap::VolumeWord, Q(m_ctx.captions.units.length) + QStringLiteral("³")}};
            for (const auto& [label, name, caption, unit] : outputs) {
                *label = Named(new QLabel, name);
                grid->addWidget(new QLabel(Q(m_ctx.captions[caption])), row, 0);
                grid->addWidget(*label, row, 1);
                grid->addWidget(new QLabel(unit), row++, 2);
            }
        }
        grid->setRowStretch(row, 1);
        groups->addWidget(box);
    }
    return panel;
}

QWidget* NewProjectDialog::buildOptions() {
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    auto* operation = new QGroupBox(Q(m_ctx.captions[Cap::OperationFrame]));
    operation->setObjectName(QStringLiteral("OperationFrame"));
    auto* grid = new QGridLayout(operation);
    auto* laufzeit = new ui::InputField(QStringLiteral("Laufzeit"));
    laufzeit->setFixedWidth(80);
    m_fields[RoomField::Laufzeit] = laufzeit;
    m_LaufzeitUnit = Named(new QLabel, "LaufzeitUnit");
    grid->addWidget(new QLabel(Q(m_ctx.captions[Cap::OperatingTimeLabel])), 0, 0);
    grid->addWidget(laufzeit, 0, 1);
    grid->addWidget(m_LaufzeitUnit, 0, 2);
    m_TagesB = Option("TagesB", Q(m_ctx.captions[Cap::DailyOperationLabel]));
    m_SchockF = Option("SchockF", Q(m_ctx.captions[Cap::ShockFreezingLabel]));
    grid->addWidget(m_TagesB, 1, 0, 1, 3);
    grid->addWidget(m_SchockF, 2, 0, 1, 3);
    auto* basis = new QButtonGroup(this);
    basis->addButton(m_TagesB, 0);
    basis->addButton(m_SchockF, 1);
    connect(basis, &QButtonGroup::idClicked, this, &NewProjectDialog::setOperatingBasis);

    auto* kind = new QGroupBox;
    kind->setObjectName(QStringLiteral("RoomKindFrame"));
    auto* kinds = new QVBoxLayout(kind);
    m_retangle = Option("retangle", Q(m_ctx.captions[Cap::RectangleOption]));
    m_draw = Option("draw", Q(m_ctx.captions[Cap::DrawOption]));
    m_retangle->setChecked(true);
    kinds->addWidget(m_retangle);
    kinds->addWidget(m_draw);
    kinds->addStretch(1);
    row->addWidget(operation, 1);
    row->addWidget(kind, 1);
    return panel;
}

// --- Handlers -----------------------------------------------------------------------------------------

void NewProjectDialog::onEdited(RoomField field) {
    if (m_busy != 0) return;
    FieldText(m_entry, field) = ui::S(m_fields[field]->text());
    if (OnCoupledFieldChanged(m_entry, field, m_sharedDeltaT_K)) showFields();
    if (field == RoomField::RaumL || field == RoomField::RaumB || field == RoomField::RaumH) showDimensions();
    markRanges(CheckNewProjectRanges(m_entry));
}

void NewProjectDialog::onCommitted(RoomField field) {
    if (m_busy != 0 || IsFreeTextField(field)) return;
    // A lone decimal comma goes back into the field as a period, as in the main window.
    NormalizeAndReadNumber(FieldText(m_entry, field));
    if (field == RoomField::RaumTemp) OnRoomTemperatureCommitted(m_entry);
    showFields();
    showDimensions();
    markRanges(CheckNewProjectRanges(m_entry));
}

void NewProjectDialog::setOperatingBasis(int basis) {
    m_entry.operatingBasis = basis == 1 ? 1 : 0;
    (m_entry.operatingBasis == 1 ? m_SchockF : m_TagesB)->setChecked(true);
    m_LaufzeitUnit->setText(Q(OperatingTimeUnit(m_ctx, m_entry.operatingBasis)));
}

bool NewProjectDialog::goOn() {
    for (auto& [field, edit] : m_fields)
        FieldText(m_entry, field) = ui::S(edit->text());
    if (const std::optional<Message> zero = CheckNewProjectDimensions(m_ctx, m_entry)) {
        showMessage(*zero);
        return false;
    }
    const RangeWarnings warnings = CheckNewProjectRanges(m_entry);
    markRanges(warnings);
    if (!warnings.empty()) {
        std::string text;
        for (const RangeWarning& warning : warnings)
            text += (text.empty() ? "" : "\r") + warning.text(m_ctx.languageCode);
        showMessage({MessageKind::Exclamation, "Veskaro: " + m_ctx.captions[Cap::NewProjectMsgTitle], text});
        return false;
    }
    for (RoomField field : kNewProjectFields)
        NormalizeAndReadNumber(FieldText(m_entry, field));
    accept();
    return true;
}

// --- Mirroring ----------------------------------------------------------------------------------------

void NewProjectDialog::showFields() {
    ++m_busy;
    for (auto& [field, edit] : m_fields)
        edit->showText(Q(FieldText(m_entry, field)));
    --m_busy;
    showDimensions();
}

void NewProjectDialog::showDimensions() {
    const DimensionTexts d = NewProjectDimensions(m_entry.RaumL, m_entry.RaumB, m_entry.RaumH);
    m_Umfang->setText(Q(d.perimeter));
    m_Area->setText(Q(d.area));
    m_Vol->setText(Q(d.volume));
}

void NewProjectDialog::markRanges(const RangeWarnings& warnings) {
    for (auto& [field, edit] : m_fields)
        edit->clearRangeWarning();
    for (const RangeWarning& warning : warnings) {
        const std::optional<FieldRange> range = warning.field ? RoomFieldRange(*warning.field) : std::nullopt;
        if (!range) continue;
        if (auto found = m_fields.find(*warning.field); found != m_fields.end())
            found->second->setRangeWarning(ui::QText(UiTextId::ValidRange, m_ctx.languageCode)
                                               .arg(Q(FieldRangeText(*range, m_ctx.languageCode))));
    }
}

void NewProjectDialog::showMessage(const Message& message) {
    if (m_showMessage) return m_showMessage(message);
    QMessageBox::warning(this, Q(message.title),
                         Q(message.text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

} // namespace veskaro
