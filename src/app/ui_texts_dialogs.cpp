// Texts of the desktop windows: ranges of values, the floor plan and wall dialogs and the cooler dialog.

#include "app/ui_text_rows.h"

namespace veskaro {

namespace {

constexpr UiTextRow kDialogRows[] = {
    {UiTextId::ValidRange,
     {"Valid range: %1", "Gültiger Bereich: %1", "Plage admise : %1", "Campo ammesso: %1",
      "Rango admitido: %1"}},
    {UiTextId::RangeSpan, {"%1 to %2", "%1 bis %2", "%1 à %2", "da %1 a %2", "de %1 a %2"}},
    {UiTextId::RangeZeroNotGiven,
     {"0 (not given) or %1", "0 (keine Angabe) oder %1", "0 (non renseigné) ou %1", "0 (non indicato) o %1",
      "0 (sin dato) o %1"}},
    {UiTextId::ValueOutsideRange,
     {"%1 = %2 is outside %3 to %4", "%1 = %2 liegt außerhalb %3 bis %4", "%1 = %2 est hors de %3 à %4",
      "%1 = %2 è fuori da %3 a %4", "%1 = %2 está fuera de %3 a %4"}},
    {UiTextId::ValueMissing, {"%1 is missing", "%1 fehlt", "%1 manque", "%1 manca", "falta %1"}},
    {UiTextId::GoodsCellName,
     {"goods row %1 column %2", "Ware Zeile %1 Spalte %2", "marchandise ligne %1 colonne %2",
      "merce riga %1 colonna %2", "mercancía fila %1 columna %2"}},
    {UiTextId::HintWithRange,
     {"%1. Range: %2", "%1. Bereich: %2", "%1. Plage : %2", "%1. Campo: %2", "%1. Rango: %2"}},
    {UiTextId::OutlineNotClosed,
     {"The outline is not closed. Keep it?", "Der Umriss ist nicht geschlossen. Beibehalten?",
      "Le contour n'est pas fermé. Le conserver ?", "Il contorno non è chiuso. Mantenerlo?",
      "El contorno no está cerrado. ¿Conservarlo?"}},
    {UiTextId::ApplyConstruction, {"Apply", "Übernehmen", "Appliquer", "Applica", "Aplicar"}},
    {UiTextId::ApplyConstructionHint,
     {"Apply the construction without saving the catalogues",
      "Aufbau übernehmen, ohne die Kataloge zu speichern",
      "Appliquer la composition sans enregistrer les catalogues",
      "Applicare la stratigrafia senza salvare i cataloghi",
      "Aplicar la composición sin guardar los catálogos"}},
    {UiTextId::LayerNotCounted,
     {"Thickness and lambda must both be above 0: this layer does not count in the U-value",
      "Dicke und Lambda müssen beide über 0 liegen: diese Schicht zählt nicht zum U-Wert",
      "Épaisseur et lambda doivent être tous deux supérieurs à 0 : cette couche ne compte pas dans le "
      "coefficient U",
      "Spessore e lambda devono essere entrambi maggiori di 0: questo strato non conta nel valore U",
      "Espesor y lambda deben ser ambos mayores que 0: esta capa no cuenta en el valor U"}},
    {UiTextId::CoolerCatalogueNote,
     {"Generic sizing catalogue for a first choice of air cooler, not a manufacturer's data: confirm the "
      "unit with your supplier.",
      "Allgemeiner Auslegungskatalog für eine erste Wahl des Luftkühlers, keine Herstellerdaten: das Gerät "
      "mit dem Lieferanten abstimmen.",
      "Catalogue de dimensionnement générique pour un premier choix d'évaporateur, pas des données de "
      "fabricant : faites confirmer l'appareil par votre fournisseur.",
      "Catalogo di dimensionamento generico per una prima scelta dell'evaporatore, non dati del "
      "costruttore: confermare l'unità con il fornitore.",
      "Catálogo de dimensionado genérico para una primera elección del evaporador, no son datos del "
      "fabricante: confirme el equipo con su proveedor."}},
    {UiTextId::CoolerRefrigerant,
     {"Refrigerant", "Kältemittel", "Fluide frigorigène", "Refrigerante", "Refrigerante"}},
    {UiTextId::CoolerQePerEvaporator,
     {"%1 Qe per evaporator", "%1 Qe je Verdampfer", "%1 Qe par évaporateur", "%1 Qe per evaporatore",
      "%1 Qe por evaporador"}},
    {UiTextId::CoolerPressure,
     {"Evaporating pressure p0", "Verdampfungsdruck p0", "Pression d'évaporation p0",
      "Pressione di evaporazione p0", "Presión de evaporación p0"}},
    {UiTextId::CoolerMassFlow,
     {"Refrigerant mass flow (liquid at 30 °C)", "Kältemittelmassenstrom (Flüssigkeit bei 30 °C)",
      "Débit massique de fluide frigorigène (liquide à 30 °C)",
      "Portata massica di refrigerante (liquido a 30 °C)",
      "Caudal másico de refrigerante (líquido a 30 °C)"}},
    {UiTextId::CoolerNoCatalogue,
     {"no cooler catalogue to choose from", "kein Verdampferkatalog zur Auswahl",
      "aucun catalogue d'évaporateurs pour choisir", "nessun catalogo di evaporatori da cui scegliere",
      "ningún catálogo de evaporadores para elegir"}},
    {UiTextId::CoolerNoneMeets,
     {"no cooler of the catalogue meets %1 kW", "kein Verdampfer des Katalogs erreicht %1 kW",
      "aucun évaporateur du catalogue n'atteint %1 kW", "nessun evaporatore del catalogo raggiunge %1 kW",
      "ningún evaporador del catálogo alcanza %1 kW"}},
    {UiTextId::CoolerBeyondTable,
     {"evaporating temperature outside the refrigerant table: values at its end",
      "Verdampfungstemperatur außerhalb der Kältemitteltabelle: Werte am Tabellenende",
      "température d'évaporation hors de la table du fluide : valeurs en fin de table",
      "temperatura di evaporazione fuori dalla tabella del refrigerante: valori a fine tabella",
      "temperatura de evaporación fuera de la tabla del refrigerante: valores al final de la tabla"}},
    {UiTextId::CoolerColumnCooler, {"Cooler", "Verdampfer", "Évaporateur", "Evaporatore", "Evaporador"}},
    {UiTextId::CoolerColumnCapacity,
     {"Capacity\nkW", "Leistung\nkW", "Puissance\nkW", "Potenza\nkW", "Potencia\nkW"}},
    {UiTextId::CoolerColumnReserve, {"Reserve\n%", "Reserve\n%", "Réserve\n%", "Riserva\n%", "Reserva\n%"}},
    {UiTextId::CoolerColumnFans,
     {"Fans\nn × W", "Ventilatoren\nn × W", "Ventilateurs\nn × W", "Ventilatori\nn × W",
      "Ventiladores\nn × W"}},
    {UiTextId::CoolerColumnAirFlow,
     {"Air flow\nm³/h", "Luftstrom\nm³/h", "Débit d'air\nm³/h", "Portata d'aria\nm³/h",
      "Caudal de aire\nm³/h"}},
    {UiTextId::CoolerColumnThrow,
     {"Air throw\nm", "Wurfweite\nm", "Portée d'air\nm", "Gittata d'aria\nm", "Alcance de aire\nm"}},
    {UiTextId::CoolerColumnHeater,
     {"Defrost heater\nW", "Abtauheizung\nW", "Résistance de dégivrage\nW", "Resistenza di sbrinamento\nW",
      "Resistencia de desescarche\nW"}},
    {UiTextId::CoolerColumnFins,
     {"Fin spacing\nmm", "Lamellenabstand\nmm", "Pas d'ailettes\nmm", "Passo alette\nmm",
      "Paso de aletas\nmm"}},
};

} // namespace

std::span<const UiTextRow> DialogTextRows() {
    return kDialogRows;
}

} // namespace veskaro
