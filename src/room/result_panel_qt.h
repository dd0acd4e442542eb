#pragma once
// The result panel beside the room: the required refrigeration capacity `RaumLeist`, the evaporator count,
// the load components with their shares, the messages of the last calculation, the calculate, result
// and print commands and the report logo.

#include <QStringList>

#include <array>

#include "ui/picture_frame.h"

class QLabel;

namespace veskaro {

class LoadBarWidget;
class RoomForm;
struct RecalcResult;

class ResultPanel final : public ui::PictureFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResultPanel)

  public:
    explicit ResultPanel(RoomForm& form, QWidget* parent = nullptr);

    void showResult(const RecalcResult& result);
    // The messages of the last calculation, as a list under the capacity (hidden when there are none).
    void showMessages(const QStringList& messages);
    // A doubtful capacity: greyed, with `warning` beside it. An empty warning shows it as a plain result.
    void setCapacityWarning(const QString& warning);
    // The report logo at `path` (hidden when it cannot be read); reloaded only when the path changed.
    void showLogo(const QString& path);
    // A panel of the inputs the result is computed from, placed under the result commands.
    void addBelowCommands(QWidget* widget);
    // The load-share bar over the component rows.
    const LoadBarWidget* loadBar() const { return m_loadBar; }

  signals:
    void calculateRequested();
    void resultRequested();
    void printRequested();

  private:
    void buildCapacity(RoomForm& form);
    void buildComponents(RoomForm& form);
    void buildCommands(RoomForm& form);

    struct LoadRow {
        QLabel* caption = nullptr;
        QLabel* capacity = nullptr;
        QLabel* share = nullptr;
    };
    const RoomForm& m_form;
    std::array<LoadRow, 9> m_loadRows{};
    QLabel* m_RaumLeist = nullptr;
    QLabel* m_capacityWarning = nullptr;
    QLabel* m_messages = nullptr;
    QLabel* m_Label68 = nullptr;
    QLabel* m_logo = nullptr;
    LoadBarWidget* m_loadBar = nullptr;
    QString m_logoShown;      // path of the picture in m_logo
    int m_besideCommands = 0; // layout index after the command buttons
};

} // namespace veskaro
