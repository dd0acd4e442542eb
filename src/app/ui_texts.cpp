// Texts of the desktop windows: the lookup and the main window's own texts (status bar, menus,
// questions, undo steps).

#include "app/ui_texts.h"

#include "app/ui_text_rows.h"

namespace veskaro {

namespace {

constexpr UiTextRow kWindowRows[] = {
    {UiTextId::RoomSaved,
     {"Room saved to %1", "Raum gespeichert in %1", "Chambre enregistrée dans %1", "Cella salvata in %1",
      "Cámara guardada en %1"}},
    {UiTextId::RoomRestored,
     {"Room restored from %1", "Raum geladen aus %1", "Chambre rechargée depuis %1", "Cella ricaricata da %1",
      "Cámara recuperada de %1"}},
    {UiTextId::ProjectOpened,
     {"Project opened: %1", "Projekt geöffnet: %1", "Projet ouvert : %1", "Progetto aperto: %1",
      "Proyecto abierto: %1"}},
    {UiTextId::ProjectSaved,
     {"Project saved to %1", "Projekt gespeichert in %1", "Projet enregistré dans %1",
      "Progetto salvato in %1", "Proyecto guardado en %1"}},
    {UiTextId::ProjectNotOpened,
     {"The project could not be opened: %1", "Das Projekt konnte nicht geöffnet werden: %1",
      "Impossible d'ouvrir le projet : %1", "Impossibile aprire il progetto: %1",
      "No se pudo abrir el proyecto: %1"}},
    {UiTextId::ReportPrinted,
     {"Report printed to %1", "Bericht gedruckt auf %1", "Rapport imprimé sur %1", "Relazione stampata su %1",
      "Informe impreso en %1"}},
    {UiTextId::Undone, {"Undone", "Rückgängig gemacht", "Annulé", "Annullato", "Deshecho"}},
    {UiTextId::Redone, {"Redone", "Wiederhergestellt", "Rétabli", "Ripristinato", "Rehecho"}},
    {UiTextId::EditMenu, {"&Edit", "&Bearbeiten", "&Edition", "&Modifica", "&Edición"}},
    {UiTextId::UndoEntry, {"Undo", "Rückgängig", "Annuler", "Annulla", "Deshacer"}},
    {UiTextId::RedoEntry, {"Redo", "Wiederholen", "Rétablir", "Ripristina", "Rehacer"}},
    {UiTextId::RecentProjectsMenu,
     {"Recent projects", "Zuletzt geöffnete Projekte", "Projets récents", "Progetti recenti",
      "Proyectos recientes"}},
    {UiTextId::RecentProjectsLabel,
     {"&Recent projects:", "&Zuletzt geöffnete Projekte:", "Projets &récents :", "Progetti &recenti:",
      "Proyectos &recientes:"}},
    {UiTextId::SaveBeforeClose,
     {"The room has changes that are not saved.\nSave them before closing?",
      "Der Raum hat ungespeicherte Änderungen.\nVor dem Schließen speichern?",
      "La chambre a des modifications non enregistrées.\nLes enregistrer avant de fermer ?",
      "La cella ha modifiche non salvate.\nSalvarle prima di chiudere?",
      "La cámara tiene cambios sin guardar.\n¿Guardarlos antes de cerrar?"}},
    {UiTextId::ReplaceByRoomRecord,
     {"Replace the fields by the room record saved in KelvoL.dat?",
      "Die Felder durch den in KelvoL.dat gespeicherten Raum ersetzen?",
      "Remplacer les champs par la chambre enregistrée dans KelvoL.dat ?",
      "Sostituire i campi con la cella salvata in KelvoL.dat?",
      "¿Sustituir los campos por la cámara guardada en KelvoL.dat?"}},
    {UiTextId::StepRoomChange,
     {"room change", "Raumänderung", "modification de la chambre", "modifica della cella",
      "cambio de la cámara"}},
    {UiTextId::StepGoodsEdit,
     {"goods edit", "Warenänderung", "modification des marchandises", "modifica della merce",
      "cambio de la mercancía"}},
    {UiTextId::StepFieldChange,
     {"change of %1", "Änderung von %1", "modification de %1", "modifica di %1", "cambio de %1"}},
};

// Every row of every subject, found by its id; an id without a row gives null.
const UiTextRow* RowOf(UiTextId id) {
    static const auto index = [] {
        std::array<const UiTextRow*, kUiTextCount> rows{};
        for (const auto part : {std::span<const UiTextRow>(kWindowRows), DialogTextRows(), FieldHintRows(),
                                CommandHintRows()}) {
            for (const UiTextRow& row : part)
                rows[static_cast<std::size_t>(row.id)] = &row;
        }
        return rows;
    }();
    const auto i = static_cast<std::size_t>(id);
    return i < index.size() ? index[i] : nullptr;
}

std::size_t LanguageColumn(std::string_view languageCode) {
    for (std::size_t i = 0; i < kShippedLanguages.size(); ++i) {
        if (kShippedLanguages[i].code == languageCode) return i;
    }
    return 0; // English
}

} // namespace

std::span<const UiTextRow> WindowTextRows() {
    return kWindowRows;
}

std::string_view UiText(UiTextId id, std::string_view languageCode) {
    const UiTextRow* row = RowOf(id);
    return row == nullptr ? std::string_view() : row->text[LanguageColumn(languageCode)];
}

std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            text += values.begin()[n];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string UiText(UiTextId id, std::string_view languageCode,
                   std::initializer_list<std::string_view> values) {
    return FillText(UiText(id, languageCode), values);
}

} // namespace veskaro
