#!/usr/bin/env python3
"""Writes the German, French, Italian and Spanish product catalogues data/KelvoG1.<LANG> .. KelvoG8.<LANG>
from the English ones: product names from tools/goods_names.tsv (English|DEU|FRA|ITA|ESP), storage life
and remark texts by their few patterns; every number is copied unchanged. A text without a translation
stops the run, so a product added to the English catalogue is never shipped half translated.

Run from the repository root after tools/make_goods_catalogue.py:  python3 tools/translate_goods_catalogue.py
"""
import pathlib
import re

LANGUAGES = ["DEU", "FRA", "ITA", "ESP"]
FIELDS = 11          # quoted lines per product
NAME, LIFE, REMARK = 0, 3, 9

# singular, plural per language
UNITS = {
    "day": [("Tag", "Tage"), ("jour", "jours"), ("giorno", "giorni"), ("día", "días")],
    "week": [("Woche", "Wochen"), ("semaine", "semaines"), ("settimana", "settimane"), ("semana", "semanas")],
    "month": [("Monat", "Monate"), ("mois", "mois"), ("mese", "mesi"), ("mes", "meses")],
    "year": [("Jahr", "Jahre"), ("an", "ans"), ("anno", "anni"), ("año", "años")],
}
WORDS = {
    "unlimited": ["unbegrenzt", "illimitée", "illimitata", "ilimitada"],
    "years": ["Jahre", "des années", "anni", "años"],
    "indefinitely (live)": ["unbegrenzt (lebend)", "illimitée (vivant)", "illimitata (vivo)", "ilimitada (vivo)"],
    "typical value": ["typischer Wert", "valeur typique", "valore tipico", "valor típico"],
}
NOTES = {  # bracketed notes after a storage life
    "cooked": ["gekocht", "cuit", "cotto", "cocido"],
    "UHT longer": ["UHT länger", "UHT plus longtemps", "UHT più a lungo", "UHT más tiempo"],
}
WATER = ["Wasser", "eau", "acqua", "agua"]
CP_FROM_WATER = ["cp aus Wassergehalt", "cp d'après la teneur en eau", "cp dal contenuto d'acqua",
                 "cp según el contenido de agua"]


def life_text(text, lang):
    if text in WORDS:
        return WORDS[text][lang]
    m = re.fullmatch(r"([\d-]+) (day|week|month|year)s?( \((.+)\))?", text)
    if not m:
        raise SystemExit(f"no translation for storage life '{text}'")
    singular, plural = UNITS[m.group(2)][lang]
    result = f"{m.group(1)} {singular if m.group(1) == '1' else plural}"
    if m.group(4):
        result += f" ({NOTES[m.group(4)][lang]})"
    return result


def remark_text(text, lang):
    if text in WORDS:
        return WORDS[text][lang]
    m = re.fullmatch(r"water ([\d.]+) %(, cp from water content)?", text)
    if not m:
        raise SystemExit(f"no translation for remark '{text}'")
    return f"{WATER[lang]} {m.group(1)} %" + (f", {CP_FROM_WATER[lang]}" if m.group(2) else "")


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    names = {}
    for line in (root / "tools" / "goods_names.tsv").read_text(encoding="utf-8").splitlines():
        english, *translated = line.split("|")
        names[english] = translated
    for group in range(1, 9):
        lines = (root / "data" / f"KelvoG{group}.ENG").read_bytes().decode("cp1252").split("\r\n")[:-1]
        cells = [line[1:-1] for line in lines]
        for lang, code in enumerate(LANGUAGES):
            out = list(cells)
            for start in range(0, len(cells), FIELDS):
                name = cells[start + NAME]
                if name not in names:
                    raise SystemExit(f"no translation for product '{name}'")
                out[start + NAME] = names[name][lang]
                out[start + LIFE] = life_text(cells[start + LIFE], lang)
                out[start + REMARK] = remark_text(cells[start + REMARK], lang)
            text = "".join(f'"{cell}"\r\n' for cell in out)
            (root / "data" / f"KelvoG{group}.{code}").write_bytes(text.encode("cp1252"))
        print(f"KelvoG{group}: {len(cells) // FIELDS} products in {', '.join(LANGUAGES)}")


if __name__ == "__main__":
    main()
