#!/usr/bin/env python3
"""Writes the standard product catalogue files data/KelvoG1.ENG .. KelvoG8.ENG and empty user files
data/KelvoA1.ENG .. KelvoA8.ENG.

Food values: ASHRAE Handbook - Refrigeration, chapter "Thermal Properties of Foods" (water content,
initial freezing point, specific heat above and below freezing; latent heat = 334 kJ/kg x water fraction,
the chapter's own relation; heat of respiration table) and chapter "Commodity Storage Requirements"
(storage temperature, relative humidity, storage life). Where a row gives no specific heats ("-"), they
are estimated from the water content with the chapter's Siebel relations:
    cp above = 3.349 x_w + 0.8374,  cp below = 1.256 x_w + 0.8374  (kJ/(kg K)).
Respiration heat is entered in mW/kg at the storage temperature and written in kJ/(kg day)
(1 mW/kg = 0.0864 kJ/(kg day)); only fresh produce respires.
Chemicals and metals: typical handbook specific heats; they do not freeze in a cold room (latent 0).

Every product is 11 quoted lines (columns 1..11 of the catalogue grid), CP1252, CR LF.
Run from the repository root:  python3 tools/make_goods_catalogue.py
"""
import pathlib

LATENT_WATER_kJkg = 334.0
MWKG_TO_KJKGDAY = 0.0864

# name | storage °C | RH % | storage life | water % | freezing °C | cp above | cp below | resp mW/kg
MEAT = """
Beef carcass, choice|0|88|1-3 weeks|57.3|-2.2|3.22|2.30|-
Beef sirloin, lean|0|90|1-3 weeks|71.7|-1.7|3.52|2.09|-
Beef, ground (minced)|0|90|1-2 days|55.9|-1.7|-|-|-
Beef liver|0|90|5 days|69.0|-1.7|3.47|2.16|-
Beef, frozen cuts|-18|90|6-12 months|57.3|-2.2|3.22|2.30|-
Veal, lean cuts|0|90|1-2 weeks|75.9|-1.7|-|-|-
Lamb, composite cuts, lean|0|90|1-2 weeks|73.4|-1.9|-|-|-
Lamb leg, whole, lean|0|90|1-2 weeks|74.4|-1.9|-|-|-
Lamb carcass, frozen|-18|90|8-12 months|57.0|-2.2|-|-|-
Pork carcass|0|90|1 week|49.8|-2.2|-|-|-
Pork shoulder, lean|0|90|1 week|72.6|-2.2|-|-|-
Pork loin, lean|0|90|1 week|72.2|-2.2|-|-|-
Pork, frozen cuts|-18|90|4-8 months|49.8|-2.2|-|-|-
Ham, fresh|0|88|1 week|56.5|-1.7|-|-|-
Ham, cured|1|85|1-6 weeks|55.9|-1.7|-|-|-
Bacon, cured|1|85|2-6 weeks|31.6|-2.2|-|-|-
Sausage, frankfurter|0|85|1-3 weeks|56.3|-1.7|-|-|-
Sausage, fresh pork|0|85|1-7 days|44.5|-2.2|-|-|-
Bologna|0|85|1-3 weeks|54.3|-2.2|-|-|-
Chicken, whole|-1|90|1-4 weeks|65.9|-2.8|-|-|-
Chicken, flesh only|-1|90|1-2 weeks|75.5|-2.8|-|-|-
Turkey, whole|-1|90|1-4 weeks|64.2|-2.8|-|-|-
Turkey, flesh only|-1|90|1-2 weeks|70.4|-2.8|-|-|-
Duck, flesh only|-1|90|1-2 weeks|73.8|-2.8|-|-|-
Poultry, frozen|-18|90|8-12 months|65.9|-2.8|-|-|-
Rabbit, fresh|0|90|1-5 days|72.8|-1.7|-|-|-
Venison|0|90|1 week|73.6|-1.7|-|-|-
"""

FISH = """
Cod, whole|0|95|10-14 days|81.2|-2.2|3.77|2.14|-
Haddock|0|95|12-14 days|79.9|-2.2|3.77|2.14|-
Halibut|0|95|18-20 days|77.9|-2.2|3.73|2.18|-
Herring, kippered|0|90|10 days|59.7|-2.2|3.27|2.26|-
Mackerel, Atlantic|0|95|6-8 days|63.6|-2.2|3.35|2.22|-
Perch|0|95|5-20 days|78.7|-2.2|3.73|2.14|-
Pollock, Atlantic|0|95|10-14 days|78.2|-2.2|3.68|2.14|-
Salmon, pink|-1|95|18 days|76.4|-2.2|3.68|2.18|-
Herring, fresh|0|95|3-10 days|72.1|-2.2|-|-|-
Trout, rainbow|0|95|5-10 days|71.9|-2.2|-|-|-
Tuna, bluefin|0|95|14 days|68.1|-2.2|-|-|-
Whiting|0|95|10-14 days|80.3|-2.2|-|-|-
Sole, flounder|0|95|10-14 days|79.1|-2.2|-|-|-
Catfish|0|95|5-10 days|76.4|-2.2|-|-|-
Carp|0|95|5-10 days|76.3|-2.2|-|-|-
Sardines|0|95|5-10 days|69.0|-2.2|-|-|-
Fish fillets, frozen|-23|90|6-12 months|79.5|-2.2|-|-|-
Fish, salted (cod)|2|75|10-12 months|51.6|-15.0|-|-|-
Shrimp|-1|95|12-14 days|75.9|-2.2|-|-|-
Lobster, northern|5|95|indefinitely (live)|76.8|-2.2|-|-|-
Crab|2|95|2-3 days (cooked)|79.2|-2.2|-|-|-
Oysters, shucked|0|100|5-8 days|85.2|-2.2|-|-|-
Clams, meat|0|100|5-8 days|81.8|-2.2|-|-|-
Scallops, meat|0|95|12 days|78.6|-2.2|-|-|-
Squid|0|95|5-10 days|78.6|-2.2|-|-|-
Mussels|0|95|5-8 days|80.6|-2.2|-|-|-
"""

FRUIT = """
Apples|0|92|1-12 months|83.9|-1.1|3.81|1.97|7
Apricots|0|92|1-3 weeks|86.4|-1.1|3.85|1.97|16
Bananas|13|92|1-4 weeks|74.3|-0.8|3.56|2.01|45
Blackberries|0|92|2-3 days|85.6|-0.8|3.89|1.93|46
Blueberries|0|92|10-18 days|84.2|-1.6|3.81|2.05|18
Cherries, sour|0|92|3-7 days|86.1|-1.7|3.85|2.05|18
Cherries, sweet|-1|92|2-3 weeks|80.8|-1.8|3.73|2.14|14
Cranberries|3|92|8-16 weeks|86.5|-0.9|3.89|1.93|7
Oranges|4|92|3-8 weeks|82.3|-0.8|3.81|1.97|10
Peaches|0|92|2-4 weeks|87.7|-0.9|3.89|1.88|15
Pears|-1|92|2-7 months|83.8|-1.6|3.81|2.05|9
Raspberries|0|92|2-3 days|86.6|-0.6|3.98|1.93|45
Strawberries|0|92|5-7 days|91.6|-0.8|4.02|1.84|45
Grapefruit|12|88|6-8 weeks|90.9|-1.1|-|-|12
Grapes, European type|-1|92|2-8 weeks|80.5|-2.1|-|-|4
Lemons|12|88|1-6 months|87.4|-1.4|-|-|12
Limes|10|88|6-8 weeks|88.3|-1.6|-|-|10
Mangoes|13|88|2-3 weeks|81.7|-0.9|-|-|40
Melons, cantaloupe|3|95|5-15 days|89.8|-1.2|-|-|15
Melons, honeydew|7|92|3 weeks|89.7|-1.1|-|-|12
Watermelons|12|90|2-3 weeks|91.5|-0.4|-|-|10
Kiwifruit|0|92|3-5 months|83.1|-0.9|-|-|7
Nectarines|0|92|2-4 weeks|86.3|-0.9|-|-|12
Pineapples|10|88|2-4 weeks|86.5|-1.0|-|-|12
Plums|0|92|2-5 weeks|85.2|-0.8|-|-|7
Tangerines|4|92|2-4 weeks|87.6|-1.1|-|-|15
Papayas|10|88|1-3 weeks|88.8|-0.8|-|-|25
Figs, fresh|0|88|7-10 days|79.1|-2.4|-|-|15
"""

DAIRY = """
Milk, whole|1|90|2-4 months (UHT longer)|87.7|-0.6|-|-|-
Milk, skim|1|90|1-2 weeks|90.8|-0.6|-|-|-
Buttermilk|1|90|2-3 weeks|90.1|-0.6|-|-|-
Milk, evaporated|4|70|24 months|74.0|-1.4|-|-|-
Milk, condensed, sweetened|4|70|15 months|27.2|-15.0|-|-|-
Cream, half and half|1|90|2-3 weeks|80.6|-0.6|-|-|-
Cream, table|1|90|2-3 weeks|73.8|-2.2|-|-|-
Cream, heavy whipping|1|90|2-3 weeks|57.7|-2.2|-|-|-
Cream, sour|1|90|2-3 weeks|71.0|-1.0|-|-|-
Yogurt, whole milk|1|90|1-2 months|87.9|-0.6|-|-|-
Yogurt, low fat|1|90|1-2 months|85.1|-0.6|-|-|-
Cheese, cottage|1|85|2 weeks|79.8|-1.2|-|-|-
Cheese, cream|1|85|2 weeks|53.8|-1.0|-|-|-
Cheese, Camembert|1|85|1-2 months|51.8|-7.5|-|-|-
Cheese, Brie|1|85|1-2 months|48.4|-7.5|-|-|-
Cheese, Limburger|1|85|1-2 months|48.4|-7.4|-|-|-
Cheese, mozzarella|1|85|1-2 months|50.0|-8.0|-|-|-
Cheese, feta|1|85|2-3 months|55.2|-7.0|-|-|-
Cheese, Gouda|1|65|6 months|41.5|-9.0|-|-|-
Cheese, Cheddar|1|65|12 months|36.8|-12.9|-|-|-
Cheese, Swiss|1|65|6 months|37.2|-10.0|-|-|-
Cheese, Roquefort|1|85|2 months|39.4|-16.3|-|-|-
Cheese, processed American|4|70|12 months|39.2|-6.9|-|-|-
Cheese, Parmesan, hard|4|65|10 months|29.2|-16.0|-|-|-
Butter|4|75|1 month|15.9|-20.0|2.30|1.04|-
Butter, frozen|-23|70|12-20 months|15.9|-20.0|2.30|1.04|-
Ice cream, vanilla|-26|90|3-23 months|61.0|-5.6|-|-|-
Ice cream, chocolate|-26|90|3-23 months|55.7|-5.6|-|-|-
"""

VEGETABLES = """
Artichokes, globe|0|97|2-3 weeks|84.9|-1.2|3.90|2.02|67
Artichokes, Jerusalem|0|92|4-5 months|78.0|-2.5|3.63|2.25|25
Asparagus|2|97|2-3 weeks|92.4|-0.6|4.03|1.79|158
Beans, snap|5|95|7-10 days|90.3|-0.7|3.99|1.85|104
Beans, lima|4|95|5-7 days|70.2|-0.6|3.52|2.07|60
Beets, topped|0|98|4-6 months|87.6|-1.1|3.91|1.94|18
Broccoli|0|97|10-14 days|90.7|-0.6|4.01|1.82|59
Brussels sprouts|0|97|3-5 weeks|86.0|-0.8|3.90|1.91|55
Cabbage, late|0|98|3-6 months|92.2|-0.9|4.02|1.85|15
Carrots, topped|0|98|5-9 months|87.8|-1.4|3.92|2.00|18
Cauliflower|0|95|3-4 weeks|91.9|-0.8|4.02|1.84|40
Celeriac|0|98|6-8 months|88.0|-0.9|3.90|1.89|18
Celery|0|98|2-3 months|94.6|-0.5|4.07|1.74|18
Collards|0|97|10-14 days|90.6|-0.8|4.01|1.86|50
Corn, sweet|0|97|5-8 days|76.0|-0.6|3.62|1.98|126
Cucumbers|11|95|10-14 days|96.0|-0.5|4.09|1.71|30
Eggplant|10|92|1 week|92.0|-0.8|4.02|1.83|60
Endive, escarole|0|97|2-3 weeks|93.8|-0.1|4.07|1.69|33
Garlic|0|68|6-7 months|58.6|-0.8|3.17|2.19|15
Horseradish|-1|99|10-12 months|78.7|-1.8|3.70|2.12|24
Kale|0|97|2-3 weeks|84.5|-0.5|3.82|1.86|45
Kohlrabi|0|99|2-3 months|91.0|-1.0|4.02|1.90|11
Leeks|0|97|2-3 months|83.0|-0.7|3.77|1.91|38
Lettuce, iceberg|0|99|2-3 weeks|95.9|-0.2|4.09|1.65|35
Mushrooms|0|95|3-4 days|91.8|-0.9|3.99|1.84|100
Onions, dry|0|68|1-8 months|89.7|-0.9|-|-|8
Peas, green|0|97|1-2 weeks|78.9|-0.6|-|-|110
Peppers, sweet|10|92|2-3 weeks|92.2|-0.7|-|-|43
Potatoes, late crop|7|92|5-10 months|79.0|-0.6|-|-|18
Radishes|0|97|3-4 weeks|94.8|-0.7|-|-|16
Spinach|0|97|10-14 days|91.6|-0.3|-|-|45
Tomatoes, mature green|16|92|1-3 weeks|93.0|-0.6|-|-|21
Turnips|0|95|4-5 months|91.9|-1.1|-|-|22
"""

MISCELLANEOUS = """
Eggs, shell|0|85|5-6 months|75.8|-0.6|-|-|-
Eggs, whole, frozen|-18|90|1 year|75.8|-0.6|-|-|-
Egg white, liquid|0|85|1 week|87.8|-0.6|-|-|-
Egg yolk, liquid|0|85|1 week|48.8|-0.6|-|-|-
Bread, white|-18|90|3-13 weeks|36.7|-8.0|-|-|-
Bread, whole wheat|-18|90|3-13 weeks|38.3|-8.0|-|-|-
Cake, pound|-18|90|6 months|24.7|-10.0|-|-|-
Beer, keg|3|65|3-8 weeks|92.1|-2.2|-|-|-
Beer, bottles and cans|3|65|3-6 months|92.1|-2.2|-|-|-
Orange juice|0|85|3-6 weeks|89.0|-0.4|-|-|-
Apple juice|0|85|3-6 weeks|87.9|-1.4|-|-|-
Grape juice|0|85|3-6 weeks|84.1|-1.8|-|-|-
Tomato juice|0|85|3-6 weeks|93.9|-0.4|-|-|-
Sherbet, orange|-26|90|3-8 months|66.1|-5.6|-|-|-
Frozen yogurt|-26|90|3-8 months|64.5|-5.6|-|-|-
Yeast, baker's, compressed|0|85|2 months|69.0|-2.0|-|-|-
Tofu|1|90|1-2 weeks|84.6|-1.0|-|-|-
Sauerkraut|1|90|2-3 months|92.5|-1.0|-|-|-
Ketchup|4|65|4 months|68.3|-2.0|-|-|-
Pizza, frozen|-18|90|6-12 months|47.7|-5.0|-|-|-
Fruit, frozen|-23|90|1 year|86.0|-1.1|-|-|-
Vegetables, frozen|-23|90|1 year|90.0|-0.8|-|-|-
French fries, frozen|-18|90|1 year|76.0|-1.5|-|-|-
Ice cream mix, liquid|1|90|2 weeks|61.0|-2.5|-|-|-
Water / ice|0|-|unlimited|100|0.0|4.19|2.05|-
"""

# name | storage °C | RH % | life | cp (kJ/(kg K)) ; no freezing in a cold room
CHEMICALS = """
Water-based paints and dispersions|5|-|1-2 years|3.20
Latex, natural (60 %)|5|-|6 months|2.90
Glycerol|5|-|years|2.43
Ethylene glycol|5|-|years|2.42
Ethanol|5|-|years|2.44
Lubricating oil|5|-|years|1.90
Polyethylene (granulate)|5|-|years|2.30
PVC (granulate)|5|-|years|0.90
Paraffin wax|5|-|years|2.14
Pharmaceuticals, liquid (aqueous)|5|60|1-3 years|3.90
"""

METAL = """
Steel, carbon|5|-|unlimited|0.49
Stainless steel|5|-|unlimited|0.50
Cast iron|5|-|unlimited|0.46
Aluminium|5|-|unlimited|0.90
Copper|5|-|unlimited|0.39
Brass|5|-|unlimited|0.38
Zinc|5|-|unlimited|0.39
Lead|5|-|unlimited|0.13
Tin|5|-|unlimited|0.23
"""

# No food freezes in these products at cold-room temperatures: freezing point given as -1 °C, as the
# group defaults carry it, with no latent heat.
NO_FREEZING_C = "-1"


def num(value):
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def food_rows(table):
    rows = []
    for line in table.strip().splitlines():
        name, t_store, rh, life, water, t_fr, cp_a, cp_b, resp = [f.strip() for f in line.split("|")]
        x_w = float(water) / 100.0
        estimated = cp_a == "-"
        if estimated:
            cp_a = num(3.349 * x_w + 0.8374)
            cp_b = num(1.256 * x_w + 0.8374)
        latent = num(round(LATENT_WATER_kJkg * x_w))
        respiration = "0" if resp == "-" else num(float(resp) * MWKG_TO_KJKGDAY)
        remark = f"water {water} %" + (", cp from water content" if estimated else "")
        rows.append([name, t_store, rh, life, t_fr, cp_a, cp_b, latent, respiration, remark, "X"])
    return rows


def solid_rows(table):
    rows = []
    for line in table.strip().splitlines():
        name, t_store, rh, life, cp = [f.strip() for f in line.split("|")]
        rh = "" if rh == "-" else rh
        rows.append([name, t_store, rh, life, NO_FREEZING_C, cp, cp, "0", "0", "typical value", "X"])
    return rows


def write(path, rows):
    text = "".join(f'"{cell}"\r\n' for row in rows for cell in row)
    path.write_bytes(text.encode("cp1252"))


def main():
    data = pathlib.Path(__file__).resolve().parent.parent / "data"
    groups = [food_rows(MEAT), food_rows(FISH), food_rows(FRUIT), food_rows(DAIRY), food_rows(VEGETABLES),
              food_rows(MISCELLANEOUS), solid_rows(CHEMICALS), solid_rows(METAL)]
    for n, rows in enumerate(groups, start=1):
        write(data / f"KelvoG{n}.ENG", rows)
        write(data / f"KelvoA{n}.ENG", [])
        print(f"KelvoG{n}.ENG: {len(rows)} products")


if __name__ == "__main__":
    main()
