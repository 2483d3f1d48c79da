#pragma once

// Twenty-four participants for the preview programs: umlauts, hyphens, a "ç" and one name of
// 51 characters (50 as a table file keeps it).
inline const char* const kBeispielnamen[] = {
    "Anna Schulze",
    "Bernd Meier",
    "Carla Wagner-Hoffmann",
    "Dieter Krause",
    "Elif Yilmaz",
    "Frank Zimmermann",
    "Gisela Bäcker",
    "Hans-Jürgen Lehmann",
    "Ines Koç",
    "Jan Wojcik",
    "Karin Schmitt",
    "Lutz Neumann",
    "Maximilian Alexander Freiherr von Kickerhausen-Weiß",
    "Nadine Fuchs",
    "Olaf Brandt",
    "Petra Sommer",
    "Quirin Huber",
    "Rita Vogel",
    "Sven Hartmann",
    "Tanja Öztürk",
    "Uwe Schröder",
    "Vera Lange",
    "Willi Jäger",
    "Zoe Krüger",
};
