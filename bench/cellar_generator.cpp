#include "cellar_generator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string_view>
#include <unordered_set>

#include "storage/database_file.h"
#include "storage/labels.h"
#include "storage/new_record.h"
#include "storage/value_tree.h"

#ifndef VORLANE_DATA_DIR
#define VORLANE_DATA_DIR "data"
#endif

namespace vorlane {

std::string GeneratorOptions::DefaultDataDir() { return VORLANE_DATA_DIR; }

namespace {

// The texts below are written in UTF-8 for legibility; the files hold
// Windows-1252, so every literal goes through here once.
std::string W(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        unsigned code = 0;
        if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            i += 2;
        } else if ((c & 0xF0) == 0xE0 && i + 2 < utf8.size()) {
            code = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                   (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
            i += 3;
        } else {
            throw std::logic_error("Malformed text in the cellar generator");
        }
        if (code >= 0xA0 && code <= 0xFF) {
            out.push_back(static_cast<char>(code));
            continue;
        }
        char mapped = 0;
        switch (code) {
            case 0x20AC: mapped = '\x80'; break;  // euro
            case 0x2026: mapped = '\x85'; break;  // ellipsis
            case 0x0152: mapped = '\x8C'; break;  // OE
            case 0x2019: mapped = '\x92'; break;  // right single quote
            case 0x201C: mapped = '\x93'; break;
            case 0x201D: mapped = '\x94'; break;
            case 0x2013: mapped = '\x96'; break;  // en dash
            case 0x2014: mapped = '\x97'; break;  // em dash
            case 0x0153: mapped = '\x9C'; break;  // oe
            default: throw std::logic_error("Character U+" + std::to_string(code) + " is outside Windows-1252");
        }
        out.push_back(mapped);
    }
    return out;
}

using Pool = std::vector<std::string>;
Pool P(std::initializer_list<const char*> items) {
    Pool pool;
    pool.reserve(items.size());
    for (const char* item : items) pool.push_back(W(item));
    return pool;
}

// Bounded draws by modulo: the bias is far below anything a benchmark or a
// sample could show, and unlike the standard distributions the results are
// the same with every standard library.
class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}
    std::mt19937& engine() { return engine_; }
    std::size_t below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(engine_() % n); }
    int between(int lo, int hi) { return lo + static_cast<int>(below(static_cast<std::size_t>(hi - lo + 1))); }
    bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }
    double unit() { return static_cast<double>(engine_() >> 8) / 16777216.0; }
    const std::string& pick(const Pool& pool) { return pool[below(pool.size())]; }
    // Up to n different entries, in pool order.
    std::vector<std::string> some(const Pool& pool, std::size_t n) {
        std::vector<std::size_t> order(pool.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        n = std::min(n, order.size());
        for (std::size_t i = 0; i < n; ++i) std::swap(order[i], order[i + below(order.size() - i)]);
        order.resize(n);
        std::sort(order.begin(), order.end());
        std::vector<std::string> out;
        for (std::size_t i : order) out.push_back(pool[i]);
        return out;
    }

private:
    std::mt19937 engine_;
};

// ---- the value trees ----

void collectPaths(const std::vector<TreeItem>& items, const std::string& suffix, std::vector<std::string>& all,
                  std::vector<std::string>* leaves) {
    for (const auto& item : items) {
        std::string path = item.text + suffix;
        all.push_back(path);
        if (item.children.empty()) {
            if (leaves) leaves->push_back(path);
        } else {
            collectPaths(item.children, " : " + path, all, leaves);
        }
    }
}

struct TreeIndex {
    std::vector<std::string> all;
    std::vector<std::string> leaves;
    std::unordered_set<std::string> known;

    explicit TreeIndex(const std::string& text) {
        collectPaths(ParseTreeText(text), "", all, &leaves);
        known.insert(all.begin(), all.end());
    }
    bool has(const std::string& path) const { return known.count(path) != 0; }
    // The path itself when the tree holds it, otherwise some leaf, so that a
    // record never carries a value its tree lacks.
    std::string resolve(const std::string& path, Random& rng) const {
        if (has(path)) return path;
        return leaves.empty() ? std::string() : rng.pick(leaves);
    }
};

std::string readTreeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("Cannot read value tree file " + path);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Stored the way the database file gives it back, so a generated database
    // equals itself after a round trip.
    return TreeToText(ParseTreeText(text));
}

// ---- the wines ----

enum WineFlags : unsigned {
    kNonVintage = 1,  // "NV"; the name carries no year
    kBareName = 2,    // the name is the cuvée alone
    kHomeMade = 4,    // made at home: the table lists what went into it
};

struct CatalogueWine {
    const char* producer;
    const char* country;
    const char* cuvee;        // "" for the grand vin
    const char* appellation;  // "" when the wine carries only the region
    const char* region;       // "" when the region tree has no place for it
    const char* grape;
    const char* color;
    int low, high;  // dollars paid for a bottle
    unsigned flags = 0;
    const char* size = "";  // its usual bottle when not 750 ml
    int firstVintage = 1985;
};

const CatalogueWine kWines[] = {
    // France
    {"Château Margaux", "France", "", "Margaux", "Bordeaux", "Bordeaux Blend", "Red", 450, 1200},
    {"Château Margaux", "France", "Pavillon Rouge", "Margaux", "Bordeaux", "Bordeaux Blend", "Red", 150, 300},
    {"Château Lafite Rothschild", "France", "", "Pauillac", "Bordeaux", "Cabernet Sauvignon", "Red", 600, 1500},
    {"Château Latour", "France", "", "Pauillac", "Bordeaux", "Cabernet Sauvignon", "Red", 600, 1400},
    {"Château Latour", "France", "Les Forts de Latour", "Pauillac", "Bordeaux", "Bordeaux Blend", "Red", 180, 320},
    {"Château Mouton Rothschild", "France", "", "Pauillac", "Bordeaux", "Bordeaux Blend", "Red", 500, 1200},
    {"Château Haut-Brion", "France", "", "Pessac-Léognan", "Bordeaux", "Bordeaux Blend", "Red", 500, 1100},
    {"Château Haut-Brion", "France", "Blanc", "Pessac-Léognan", "Bordeaux", "White Blend", "White", 700, 1500},
    {"Château Cheval Blanc", "France", "", "Saint-Émilion", "Bordeaux", "Cabernet Franc", "Red", 550, 1300},
    {"Petrus", "France", "", "Pomerol", "Bordeaux", "Merlot", "Red", 3000, 7000},
    {"Château d'Yquem", "France", "", "Sauternes", "Bordeaux", "Sauternes / Barsac", "Dessert", 300, 700, 0, "375 ml"},
    {"Château Léoville-Las Cases", "France", "", "Saint-Julien", "Bordeaux", "Bordeaux Blend", "Red", 200, 350},
    {"Château Cos d'Estournel", "France", "", "Saint-Estèphe", "Bordeaux", "Bordeaux Blend", "Red", 150, 250},
    {"Château Palmer", "France", "", "Margaux", "Bordeaux", "Bordeaux Blend", "Red", 250, 400},
    {"Château Lynch-Bages", "France", "", "Pauillac", "Bordeaux", "Cabernet Sauvignon", "Red", 90, 160},
    {"Château Sociando-Mallet", "France", "", "Haut-Médoc", "Bordeaux", "Bordeaux Blend", "Red", 40, 60},
    {"Château Talbot", "France", "", "Saint-Julien", "Bordeaux", "Bordeaux Blend", "Red", 50, 80},
    {"Vieux Château Certan", "France", "", "Pomerol", "Bordeaux", "Merlot", "Red", 200, 350},
    {"Château Figeac", "France", "", "Saint-Émilion", "Bordeaux", "Bordeaux Blend", "Red", 150, 300},
    {"Château Suduiraut", "France", "", "Sauternes", "Bordeaux", "Sauternes / Barsac", "Dessert", 40, 90, 0, "375 ml"},
    {"Château Climens", "France", "", "Barsac", "Bordeaux", "Sauternes / Barsac", "Dessert", 60, 120},
    {"Domaine de la Romanée-Conti", "France", "Romanée-Saint-Vivant Grand Cru", "Vosne-Romanée", "Burgundy",
     "Pinot Noir", "Red", 2500, 6000},
    {"Domaine de la Romanée-Conti", "France", "Échezeaux Grand Cru", "Vosne-Romanée", "Burgundy", "Pinot Noir",
     "Red", 1800, 3500},
    {"Domaine Armand Rousseau", "France", "Chambertin Grand Cru", "Gevrey-Chambertin", "Burgundy", "Pinot Noir",
     "Red", 1500, 3500},
    {"Domaine Armand Rousseau", "France", "Gevrey-Chambertin Clos Saint-Jacques", "Gevrey-Chambertin", "Burgundy",
     "Pinot Noir", "Red", 600, 1200},
    {"Domaine Georges Roumier", "France", "Chambolle-Musigny Les Amoureuses", "Chambolle-Musigny", "Burgundy",
     "Pinot Noir", "Red", 900, 2000},
    {"Domaine Leflaive", "France", "Puligny-Montrachet Les Pucelles", "Puligny-Montrachet", "Burgundy", "Chardonnay",
     "White", 300, 600},
    {"Domaine Leflaive", "France", "Mâcon-Verzé", "Mâcon-Villages", "Burgundy", "Chardonnay", "White", 40, 70},
    {"Domaine Ramonet", "France", "Chassagne-Montrachet Morgeot", "Chassagne-Montrachet", "Burgundy", "Chardonnay",
     "White", 120, 250},
    {"Louis Jadot", "France", "Beaune Premier Cru Clos des Ursules", "Beaune", "Burgundy", "Pinot Noir", "Red", 60,
     110},
    {"Louis Jadot", "France", "Meursault", "Meursault", "Burgundy", "Chardonnay", "White", 55, 90},
    {"Louis Jadot", "France", "Moulin-à-Vent Château des Jacques", "Moulin-à-Vent", "Beaujolais", "Gamay", "Red",
     25, 40},
    {"Marcel Lapierre", "France", "Morgon", "Morgon", "Beaujolais", "Gamay", "Red", 28, 38},
    {"William Fèvre", "France", "Chablis Grand Cru Les Clos", "Chablis Grand Cru", "Burgundy", "Chardonnay",
     "White", 80, 130},
    {"E. Guigal", "France", "Côte-Rôtie La Mouline", "Côte-Rôtie", "Rhône Valley", "Syrah / Shiraz", "Red", 300,
     550},
    {"E. Guigal", "France", "Côtes du Rhône Rouge", "Côtes du Rhône", "Rhône Valley", "Rhône Blend", "Red", 12, 18},
    {"E. Guigal", "France", "Condrieu", "Condrieu", "Rhône Valley", "Viognier", "White", 50, 80},
    {"M. Chapoutier", "France", "Ermitage Le Pavillon", "Hermitage", "Rhône Valley", "Syrah / Shiraz", "Red", 200,
     350},
    {"M. Chapoutier", "France", "Crozes-Hermitage Les Meysonniers", "Crozes-Hermitage", "Rhône Valley",
     "Syrah / Shiraz", "Red", 20, 30},
    {"Domaine Jean-Louis Chave", "France", "Hermitage", "Hermitage", "Rhône Valley", "Syrah / Shiraz", "Red", 300,
     500},
    {"Auguste Clape", "France", "Cornas", "Cornas", "Rhône Valley", "Syrah / Shiraz", "Red", 100, 160},
    {"Château de Beaucastel", "France", "Châteauneuf-du-Pape", "Châteauneuf-du-Pape", "Rhône Valley",
     "Rhône Blend", "Red", 80, 140},
    {"Château de Beaucastel", "France", "Hommage à Jacques Perrin", "Châteauneuf-du-Pape", "Rhône Valley",
     "Rhône Blend", "Red", 350, 600},
    {"Château Rayas", "France", "Châteauneuf-du-Pape Réservé", "Châteauneuf-du-Pape", "Rhône Valley",
     "Grenache / Garnacha", "Red", 700, 1200},
    {"Domaine du Vieux Télégraphe", "France", "La Crau", "Châteauneuf-du-Pape", "Rhône Valley", "Rhône Blend",
     "Red", 60, 90},
    {"Domaine de la Mordorée", "France", "Tavel La Dame Rousse", "Tavel", "Rhône Valley", "Tavel", "Rosé", 22, 30},
    {"Trimbach", "France", "Riesling Clos Sainte Hune", "Alsace", "Alsace", "Riesling", "White", 200, 350},
    {"Trimbach", "France", "Gewurztraminer", "Alsace", "Alsace", "Gewürztraminer", "White", 25, 35},
    {"Domaine Zind-Humbrecht", "France", "Pinot Gris Clos Windsbuhl", "Alsace Grand Cru", "Alsace",
     "Pinot Gris / Pinot Grigio", "White", 60, 90},
    {"Domaine Huet", "France", "Vouvray Le Haut-Lieu Sec", "Vouvray", "Loire Valley", "Chenin Blanc", "White", 35,
     55},
    {"Domaine Huet", "France", "Vouvray Clos du Bourg Moelleux", "Vouvray", "Loire Valley", "Late Harvest",
     "Dessert", 50, 90},
    {"Domaine Vacheron", "France", "Sancerre Les Romains", "Sancerre", "Loire Valley", "Sauvignon Blanc", "White",
     45, 65},
    {"Didier Dagueneau", "France", "Pouilly-Fumé Silex", "Pouilly-Fumé", "Loire Valley", "Sauvignon Blanc",
     "White", 150, 250},
    {"Clos Rougeard", "France", "Saumur-Champigny Le Bourg", "Saumur-Champigny", "Loire Valley", "Cabernet Franc",
     "Red", 250, 450},
    {"Krug", "France", "Grande Cuvée", "Champagne", "Champagne", "Champagne", "Sparkling", 170, 250, kNonVintage},
    {"Krug", "France", "Vintage Brut", "Champagne", "Champagne", "Champagne", "Sparkling", 250, 400},
    {"Bollinger", "France", "Special Cuvée Brut", "Champagne", "Champagne", "Champagne", "Sparkling", 55, 75,
     kNonVintage},
    {"Bollinger", "France", "La Grande Année", "Champagne", "Champagne", "Champagne", "Sparkling", 120, 180},
    {"Bollinger", "France", "Rosé Brut", "Champagne", "Champagne", "Sparkling Rosé", "Sparkling", 80, 100,
     kNonVintage},
    {"Billecart-Salmon", "France", "Brut Rosé", "Champagne", "Champagne", "Sparkling Rosé", "Sparkling", 80, 100,
     kNonVintage},
    {"Domaine Tempier", "France", "Bandol Rosé", "Bandol", "Provence", "Provence Rosé", "Rosé", 35, 50},
    {"Domaine Tempier", "France", "Bandol Cuvée Cabassaou", "Bandol", "Provence", "Mourvèdre / Monastrell", "Red",
     80, 120},
    {"Château d'Esclans", "France", "Whispering Angel", "Côtes de Provence", "Provence", "Provence Rosé", "Rosé", 18,
     25, 0, "", 2006},
    {"Château Minuty", "France", "Rosé de Provence", "Côtes de Provence", "Provence", "Provence Rosé", "Rosé", 15,
     22, kBareName},
    {"Château Montus", "France", "Madiran Cuvée Prestige", "Madiran", "South West", "Red Blend", "Red", 60, 90},
    {"Domaine Cauhapé", "France", "Jurançon Noblesse du Temps", "Jurançon", "South West", "Late Harvest",
     "Dessert", 35, 50, 0, "500 ml"},
    {"Jean Macle", "France", "Château-Chalon", "Château-Chalon", "Jura", "White Blend", "White", 80, 110, 0,
     "620 ml"},
    {"Domaine de la Rectorie", "France", "Banyuls Cuvée Léon Parcé", "Banyuls", "Languedoc-Roussillon",
     "Vin Doux Naturel", "Fortified", 30, 45, 0, "500 ml"},
    {"Mas de Daumas Gassac", "France", "Rouge", "Languedoc", "Languedoc-Roussillon", "Red Blend", "Red", 45, 65},
    // Italy
    {"Gaja", "Italy", "Barbaresco", "Barbaresco", "Piemonte", "Nebbiolo", "Red", 200, 300},
    {"Gaja", "Italy", "Sorì San Lorenzo", "Langhe", "Piemonte", "Nebbiolo", "Red", 450, 650},
    {"Giacomo Conterno", "Italy", "Barolo Monfortino Riserva", "Barolo", "Piemonte", "Nebbiolo", "Red", 1000, 1800},
    {"Giacomo Conterno", "Italy", "Barbera d'Alba Cascina Francia", "Barbera d'Alba", "Piemonte", "Barbera", "Red",
     60, 90},
    {"Bruno Giacosa", "Italy", "Barolo Falletto", "Barolo", "Piemonte", "Nebbiolo", "Red", 250, 450},
    {"Vietti", "Italy", "Moscato d'Asti Cascinetta", "Moscato d'Asti", "Piemonte", "Asti / Moscato d'Asti",
     "Sparkling", 15, 20},
    {"Marchesi Antinori", "Italy", "Tignanello", "Toscana IGT", "Toscana", "Sangiovese", "Red", 100, 140},
    {"Marchesi Antinori", "Italy", "Solaia", "Toscana IGT", "Toscana", "Bordeaux Blend", "Red", 300, 450},
    {"Marchesi Antinori", "Italy", "Chianti Classico Pèppoli", "Chianti Classico", "Toscana", "Sangiovese", "Red",
     18, 24},
    {"Tenuta San Guido", "Italy", "Sassicaia", "Bolgheri", "Toscana", "Bordeaux Blend", "Red", 200, 320},
    {"Tenuta San Guido", "Italy", "Guidalberto", "Toscana IGT", "Toscana", "Bordeaux Blend", "Red", 45, 60},
    {"Tenuta dell'Ornellaia", "Italy", "Ornellaia", "Bolgheri", "Toscana", "Bordeaux Blend", "Red", 200, 300},
    {"Biondi-Santi", "Italy", "Brunello di Montalcino", "Brunello di Montalcino", "Toscana", "Sangiovese", "Red",
     150, 250},
    {"Fontodi", "Italy", "Flaccianello della Pieve", "Toscana IGT", "Toscana", "Sangiovese", "Red", 100, 150},
    {"Fontodi", "Italy", "Chianti Classico", "Chianti Classico", "Toscana", "Sangiovese", "Red", 30, 40},
    {"Giuseppe Quintarelli", "Italy", "Amarone della Valpolicella Classico", "Amarone della Valpolicella", "Veneto",
     "Corvina", "Red", 400, 600},
    {"Giuseppe Quintarelli", "Italy", "Recioto della Valpolicella", "Recioto della Valpolicella", "Veneto",
     "Passito / Recioto", "Dessert", 300, 450, 0, "375 ml"},
    {"Pieropan", "Italy", "Soave Classico Calvarino", "Soave", "Veneto", "Garganega", "White", 25, 35},
    {"Bisol", "Italy", "Cartizze Valdobbiadene Prosecco Superiore", "Prosecco", "Veneto", "Prosecco", "Sparkling",
     25, 35, kNonVintage},
    {"Ca' del Bosco", "Italy", "Franciacorta Cuvée Prestige", "Franciacorta", "Lombardia", "Franciacorta",
     "Sparkling", 35, 45, kNonVintage},
    {"Feudi di San Gregorio", "Italy", "Taurasi", "Taurasi", "Campania", "Aglianico", "Red", 40, 55},
    {"Benanti", "Italy", "Etna Rosso Rovittello", "Etna", "Sicilia", "Red Blend", "Red", 40, 55},
    {"Donnafugata", "Italy", "Mille e Una Notte", "", "Sicilia", "Nero d'Avola", "Red", 55, 75},
    {"Gianfranco Fino", "Italy", "Es Primitivo di Manduria", "Primitivo di Manduria", "Puglia",
     "Zinfandel / Primitivo", "Red", 60, 80},
    // Spain
    {"Vega Sicilia", "Spain", "Único", "Ribera del Duero", "Castilla y León", "Tempranillo", "Red", 400, 600},
    {"Vega Sicilia", "Spain", "Valbuena 5°", "Ribera del Duero", "Castilla y León", "Tempranillo", "Red", 150, 220},
    {"Dominio de Pingus", "Spain", "Pingus", "Ribera del Duero", "Castilla y León", "Tempranillo", "Red", 900,
     1500, 0, "", 1995},
    {"Dominio de Pingus", "Spain", "Flor de Pingus", "Ribera del Duero", "Castilla y León", "Tempranillo", "Red",
     100, 150, 0, "", 1995},
    {"La Rioja Alta", "Spain", "Gran Reserva 904", "Rioja Alta", "Rioja", "Tempranillo", "Red", 60, 90},
    {"La Rioja Alta", "Spain", "Viña Ardanza Reserva", "Rioja Alta", "Rioja", "Tempranillo", "Red", 30, 40},
    {"López de Heredia", "Spain", "Viña Tondonia Reserva", "Rioja Alta", "Rioja", "Tempranillo", "Red", 45, 60},
    {"López de Heredia", "Spain", "Viña Tondonia Reserva Blanco", "Rioja Alta", "Rioja", "White Blend", "White",
     50, 70},
    {"Álvaro Palacios", "Spain", "L'Ermita", "Priorat", "Cataluña", "Grenache / Garnacha", "Red", 800, 1200},
    {"Álvaro Palacios", "Spain", "Les Terrasses", "Priorat", "Cataluña", "Red Blend", "Red", 40, 55},
    {"Gramona", "Spain", "Imperial Gran Reserva Brut", "Cava", "Cataluña", "Cava", "Sparkling", 25, 35},
    {"Pazo de Señoráns", "Spain", "Albariño", "Rías Baixas", "Galicia", "Albariño", "White", 22, 30},
    {"Descendientes de J. Palacios", "Spain", "Pétalos", "Bierzo", "Castilla y León", "Red Blend", "Red", 20, 28},
    {"González Byass", "Spain", "Tío Pepe Fino", "Jerez-Xérès-Sherry", "Andalucía", "Fino / Manzanilla Sherry",
     "Fortified", 15, 20, kNonVintage},
    {"González Byass", "Spain", "Noé Pedro Ximénez 30 Years", "Jerez-Xérès-Sherry", "Andalucía",
     "Pedro Ximénez Sherry", "Fortified", 50, 70, kNonVintage, "375 ml"},
    {"Lustau", "Spain", "Almacenista Amontillado", "Jerez-Xérès-Sherry", "Andalucía", "Amontillado Sherry",
     "Fortified", 30, 45, kNonVintage, "500 ml"},
    // Portugal
    {"Taylor's", "Portugal", "Vintage Port", "Porto", "Douro", "Vintage Port", "Fortified", 80, 150},
    {"Taylor's", "Portugal", "20 Year Old Tawny", "Porto", "Douro", "Tawny Port", "Fortified", 50, 70, kNonVintage},
    {"Quinta do Noval", "Portugal", "Nacional Vintage Port", "Porto", "Douro", "Vintage Port", "Fortified", 700,
     1200},
    {"Quinta do Noval", "Portugal", "10 Year Old Tawny", "Porto", "Douro", "Tawny Port", "Fortified", 30, 40,
     kNonVintage},
    {"Niepoort", "Portugal", "Redoma Tinto", "Douro", "Douro", "Touriga Nacional", "Red", 30, 40},
    {"Blandy's", "Portugal", "Malmsey 10 Years Old", "Madeira", "Madeira", "Madeira", "Fortified", 30, 40,
     kNonVintage, "500 ml"},
    {"Anselmo Mendes", "Portugal", "Alvarinho Muros Antigos", "Vinho Verde", "Minho", "Albariño", "White", 18, 22},
    // Germany
    {"Egon Müller", "Germany", "Scharzhofberger Riesling Kabinett", "Saar", "Mosel", "Riesling", "White", 80, 150},
    {"Egon Müller", "Germany", "Scharzhofberger Riesling Auslese", "Saar", "Mosel", "Late Harvest", "Dessert", 300,
     500},
    {"Joh. Jos. Prüm", "Germany", "Wehlener Sonnenuhr Riesling Spätlese", "Wehlen", "Mosel", "Riesling", "White",
     45, 70},
    {"Joh. Jos. Prüm", "Germany", "Wehlener Sonnenuhr Riesling Auslese", "Wehlen", "Mosel", "Late Harvest",
     "Dessert", 60, 100},
    {"Dr. Loosen", "Germany", "Wehlener Sonnenuhr Riesling Kabinett", "Wehlen", "Mosel", "Riesling", "White", 25,
     35},
    {"Dr. Loosen", "Germany", "Dr. L Riesling", "Bernkastel-Kues", "Mosel", "Riesling", "White", 12, 15},
    {"Robert Weil", "Germany", "Kiedrich Gräfenberg Riesling GG", "", "Rheingau", "Riesling", "White", 80, 110},
    {"Robert Weil", "Germany", "Kiedrich Gräfenberg Riesling Trockenbeerenauslese", "", "Rheingau",
     "Trockenbeerenauslese", "Dessert", 800, 1500, 0, "375 ml"},
    {"Dönnhoff", "Germany", "Niederhäuser Hermannshöhle Riesling GG", "", "Nahe", "Riesling", "White", 70, 100},
    {"Dönnhoff", "Germany", "Oberhäuser Brücke Riesling Spätlese", "", "Nahe", "Riesling", "White", 45, 60},
    {"Weingut Keller", "Germany", "Westhofener Abtserde Riesling GG", "Westhofen", "Rheinhessen", "Riesling",
     "White", 150, 250},
    {"Müller-Catoir", "Germany", "Haardter Herrenletten Rieslaner Beerenauslese", "", "Pfalz", "Beerenauslese",
     "Dessert", 90, 140, 0, "375 ml"},
    // Austria
    {"F.X. Pichler", "Austria", "Grüner Veltliner Smaragd Kellerberg", "Wachau", "Niederösterreich",
     "Grüner Veltliner", "White", 70, 100},
    {"F.X. Pichler", "Austria", "Riesling Smaragd Unendlich", "Wachau", "Niederösterreich", "Riesling", "White",
     150, 220},
    {"Weingut Knoll", "Austria", "Grüner Veltliner Federspiel Loibner", "Wachau", "Niederösterreich",
     "Grüner Veltliner", "White", 25, 35},
    {"Bründlmayer", "Austria", "Grüner Veltliner Lamm", "Kamptal", "Niederösterreich", "Grüner Veltliner", "White",
     60, 80},
    {"Kracher", "Austria", "Trockenbeerenauslese No. 7 Welschriesling", "Neusiedlersee", "Burgenland",
     "Trockenbeerenauslese", "Dessert", 50, 90, 0, "375 ml"},
    {"Moric", "Austria", "Blaufränkisch Lutzmannsburg Alte Reben", "Mittelburgenland", "Burgenland",
     "Blaufränkisch", "Red", 60, 90},
    {"Wieninger", "Austria", "Wiener Gemischter Satz", "Wiener Gemischter Satz", "Wien", "White Blend", "White", 15,
     20},
    // Hungary
    {"Royal Tokaji", "Hungary", "Tokaji Aszú 5 Puttonyos", "Tokaj", "Tokaj", "Tokaji Aszú", "Dessert", 40, 60, 0,
     "500 ml"},
    {"Royal Tokaji", "Hungary", "Mézes Mály 6 Puttonyos", "Tokaj", "Tokaj", "Tokaji Aszú", "Dessert", 120, 160, 0,
     "500 ml"},
    {"St. Andrea", "Hungary", "Egri Bikavér Superior", "Eger", "Upper Hungary", "Red Blend", "Red", 25, 35},
    // United States
    {"Ridge Vineyards", "USA", "Monte Bello", "Santa Cruz Mountains", "California", "Cabernet Sauvignon", "Red",
     180, 280},
    {"Ridge Vineyards", "USA", "Lytton Springs", "Dry Creek Valley", "California", "Zinfandel / Primitivo", "Red",
     35, 45},
    {"Screaming Eagle", "USA", "Cabernet Sauvignon", "Oakville", "California", "Cabernet Sauvignon", "Red", 3000,
     4500, 0, "", 1992},
    {"Harlan Estate", "USA", "", "Oakville", "California", "Bordeaux Blend", "Red", 800, 1200, 0, "", 1990},
    {"Opus One", "USA", "", "Oakville", "California", "Bordeaux Blend", "Red", 300, 450},
    {"Robert Mondavi Winery", "USA", "To Kalon Reserve Cabernet Sauvignon", "Oakville", "California",
     "Cabernet Sauvignon", "Red", 150, 250},
    {"Robert Mondavi Winery", "USA", "Fumé Blanc", "Napa Valley", "California", "Sauvignon Blanc", "White", 20,
     28},
    {"Stag's Leap Wine Cellars", "USA", "Cask 23", "Stags Leap District", "California", "Cabernet Sauvignon", "Red",
     200, 300},
    {"Stag's Leap Wine Cellars", "USA", "Artemis Cabernet Sauvignon", "Napa Valley", "California",
     "Cabernet Sauvignon", "Red", 60, 70},
    {"Chateau Montelena", "USA", "Chardonnay", "Napa Valley", "California", "Chardonnay", "White", 50, 65},
    {"Chateau Montelena", "USA", "Estate Cabernet Sauvignon", "Napa Valley", "California", "Cabernet Sauvignon",
     "Red", 150, 200},
    {"Kistler", "USA", "Les Noisetiers Chardonnay", "Sonoma Coast", "California", "Chardonnay", "White", 70, 90},
    {"Williams Selyem", "USA", "Russian River Valley Pinot Noir", "Russian River Valley", "California",
     "Pinot Noir", "Red", 60, 80},
    {"Tablas Creek", "USA", "Esprit de Tablas", "Paso Robles", "California", "Rhône Blend", "Red", 50, 65},
    {"Sea Smoke", "USA", "Ten Pinot Noir", "Sta. Rita Hills", "California", "Pinot Noir", "Red", 90, 120, 0, "",
     2001},
    {"Domaine Drouhin Oregon", "USA", "Pinot Noir Laurène", "Dundee Hills", "Oregon", "Pinot Noir", "Red", 60, 80},
    {"Leonetti Cellar", "USA", "Cabernet Sauvignon", "Walla Walla Valley", "Washington", "Cabernet Sauvignon",
     "Red", 100, 130},
    {"Hermann J. Wiemer", "USA", "Dry Riesling", "Finger Lakes", "New York", "Riesling", "White", 20, 25},
    {"Inniskillin", "Canada", "Vidal Icewine", "Niagara Peninsula", "Ontario", "Ice Wine / Eiswein", "Dessert", 50,
     80, 0, "375 ml"},
    // Southern hemisphere
    {"Penfolds", "Australia", "Grange", "", "South Australia", "Syrah / Shiraz", "Red", 500, 800},
    {"Penfolds", "Australia", "Bin 389 Cabernet Shiraz", "", "South Australia", "Red Blend", "Red", 50, 70},
    {"Henschke", "Australia", "Hill of Grace", "", "South Australia", "Syrah / Shiraz", "Red", 600, 900},
    {"Henschke", "Australia", "Keyneton Euphonium", "Barossa Valley", "South Australia", "Red Blend", "Red", 50, 65},
    {"d'Arenberg", "Australia", "The Dead Arm Shiraz", "McLaren Vale", "South Australia", "Syrah / Shiraz", "Red",
     50, 65},
    {"Grosset", "Australia", "Polish Hill Riesling", "Clare Valley", "South Australia", "Riesling", "White", 40, 55},
    {"Wynns Coonawarra Estate", "Australia", "Black Label Cabernet Sauvignon", "Coonawarra", "South Australia",
     "Cabernet Sauvignon", "Red", 35, 45},
    {"Leeuwin Estate", "Australia", "Art Series Chardonnay", "Margaret River", "Western Australia", "Chardonnay",
     "White", 80, 110},
    {"Chambers Rosewood", "Australia", "Rutherglen Muscat", "Rutherglen", "Victoria", "Rutherglen Muscat",
     "Fortified", 25, 35, kNonVintage, "375 ml"},
    {"Cloudy Bay", "New Zealand", "Sauvignon Blanc", "Wairau Valley", "Marlborough", "Sauvignon Blanc", "White", 25,
     35},
    {"Felton Road", "New Zealand", "Block 5 Pinot Noir", "Bannockburn", "Central Otago", "Pinot Noir", "Red", 80,
     110, 0, "", 1997},
    {"Ata Rangi", "New Zealand", "Pinot Noir", "Martinborough", "Wairarapa", "Pinot Noir", "Red", 60, 80},
    {"Craggy Range", "New Zealand", "Le Sol Syrah", "Gimblett Gravels", "Hawke's Bay", "Syrah / Shiraz", "Red", 80,
     100, 0, "", 2001},
    {"Pegasus Bay", "New Zealand", "Riesling", "Waipara Valley", "Canterbury", "Riesling", "White", 30, 40},
    {"Kanonkop", "South Africa", "Paul Sauer", "Stellenbosch", "Western Cape", "Bordeaux Blend", "Red", 50, 70},
    {"Kanonkop", "South Africa", "Pinotage", "Stellenbosch", "Western Cape", "Pinotage", "Red", 35, 45},
    {"Sadie Family Wines", "South Africa", "Columella", "Swartland", "Western Cape", "Rhône Blend", "Red", 90, 130,
     0, "", 2000},
    {"Sadie Family Wines", "South Africa", "Palladius", "Swartland", "Western Cape", "White Blend", "White", 90,
     130, 0, "", 2002},
    {"Klein Constantia", "South Africa", "Vin de Constance", "Constantia", "Western Cape", "Late Harvest",
     "Dessert", 60, 90, 0, "500 ml"},
    {"Hamilton Russell Vineyards", "South Africa", "Pinot Noir", "Walker Bay", "Western Cape", "Pinot Noir", "Red",
     45, 55},
    {"Almaviva", "Chile", "", "Maipo Valley", "Central Valley", "Bordeaux Blend", "Red", 120, 170, 0, "", 1996},
    {"Concha y Toro", "Chile", "Don Melchor Cabernet Sauvignon", "Maipo Valley", "Central Valley",
     "Cabernet Sauvignon", "Red", 100, 140},
    {"Concha y Toro", "Chile", "Casillero del Diablo Carménère", "", "Central Valley", "Carménère", "Red", 10, 13},
    {"Errázuriz", "Chile", "Don Maximiano Founder's Reserve", "Aconcagua Valley", "Aconcagua", "Bordeaux Blend",
     "Red", 80, 110},
    {"Errázuriz", "Chile", "Wild Ferment Chardonnay", "Casablanca Valley", "Aconcagua", "Chardonnay", "White", 20,
     25},
    {"Catena Zapata", "Argentina", "Adrianna Vineyard Malbec", "Valle de Uco", "Mendoza", "Malbec", "Red", 120, 180},
    {"Catena Zapata", "Argentina", "Catena Malbec", "", "Mendoza", "Malbec", "Red", 18, 25},
    {"Zuccardi", "Argentina", "Finca Piedra Infinita", "Valle de Uco", "Mendoza", "Malbec", "Red", 100, 140, 0, "",
     2012},
    {"Bodega Colomé", "Argentina", "Estate Malbec", "Cafayate", "Salta", "Malbec", "Red", 25, 35},
    {"Bodega Colomé", "Argentina", "Torrontés", "Cafayate", "Salta", "Torrontés", "White", 14, 18},
    {"Château Musar", "Lebanon", "", "", "", "Red Blend", "Red", 50, 70},
    {"Château Musar", "Lebanon", "Blanc", "", "", "White Blend", "White", 55, 75},
    // Made at home from bought grapes
    {"Home Cellar", "USA", "House Cabernet", "Napa Valley", "California", "Cabernet Sauvignon", "Red", 9, 14,
     kHomeMade | kBareName},
    {"Home Cellar", "USA", "Backyard Riesling", "Finger Lakes", "New York", "Riesling", "White", 6, 10,
     kHomeMade | kBareName},
};

struct Wine {
    std::string producer;
    std::string cuvee;
    std::string slug;  // of producer and cuvée, for file names and addresses
    std::string region, type, producerPath, country;
    std::string color;
    int low, high;
    unsigned flags;
    std::string size;
    int firstVintage;
    int weight;  // how often a cellar holds it: cheap wines more than trophies
};

char foldAscii(unsigned char c) {
    static const std::string_view from = "\xC0\xC1\xC2\xC3\xC4\xC5\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD1"
                                         "\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD"
                                         "\xE0\xE1\xE2\xE3\xE4\xE5\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF1"
                                         "\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFF";
    static const std::string_view to = "aaaaaaceeeeiiiin"
                                       "oooooouuuuy"
                                       "aaaaaaceeeeiiiin"
                                       "oooooouuuuyy";
    auto at = from.find(static_cast<char>(c));
    if (at != std::string_view::npos) return to[at];
    if (c < 0x80 && std::isalnum(c)) return static_cast<char>(std::tolower(c));
    return '-';
}

std::string Slug(std::string_view text) {
    std::string out;
    for (char c : text) {
        char f = c == '\x9C' ? 'o' : foldAscii(static_cast<unsigned char>(c));
        if (c == '\'') continue;
        if (f == '-' && (out.empty() || out.back() == '-')) continue;
        out.push_back(f);
    }
    while (!out.empty() && out.back() == '-') out.pop_back();
    return out;
}

// ---- texts ----

struct Texts {
    Pool colourRed = P({"Deep ruby", "Opaque purple-black", "Garnet with a brick rim", "Bright cherry red",
                        "Dark crimson", "Inky, almost black"});
    Pool colourWhite = P({"Pale straw", "Lemon-gold", "Green-tinged straw", "Deep gold", "Brilliant pale lemon"});
    Pool colourRose = P({"Pale salmon", "Onion skin", "Pale copper-pink", "Bright raspberry pink"});
    Pool colourSparkling = P({"Pale gold with a fine, persistent bead", "Straw yellow, lively mousse",
                              "Pale copper with a fine bead"});
    Pool colourDessert = P({"Deep amber", "Old gold", "Burnished copper", "Bright yellow-gold"});
    Pool colourFortified = P({"Tawny", "Mahogany with a green rim", "Inky purple", "Amber-brown"});

    Pool aromaRed = P({"blackcurrant", "black cherry", "plum", "cedar", "graphite", "tobacco leaf", "violets",
                       "leather", "sous-bois", "liquorice", "mocha", "dried herbs", "garrigue", "crème de cassis",
                       "kirsch", "black olive", "smoked meat", "rose petals", "tar", "sandalwood"});
    Pool aromaWhite = P({"lemon curd", "green apple", "white peach", "acacia", "beeswax", "flint", "brioche",
                         "honeysuckle", "petrol", "crushed stone", "hazelnut", "grapefruit pith", "lime zest",
                         "white pepper", "pear", "chamomile"});
    Pool aromaRose = P({"wild strawberry", "redcurrant", "peach skin", "pink grapefruit", "herbes de Provence",
                        "watermelon", "orange blossom"});
    Pool aromaSparkling = P({"brioche", "toasted almond", "lemon zest", "green apple", "chalk", "pâtisserie",
                             "red berries", "mirabelle"});
    Pool aromaDessert = P({"apricot", "honey", "saffron", "candied orange", "marmalade", "crème brûlée",
                           "botrytis", "quince paste", "pineapple", "ginger"});
    Pool aromaFortified = P({"walnut", "fig", "raisin", "toffee", "orange peel", "Christmas cake", "salted caramel",
                             "dried plum", "coffee", "molasses"});

    Pool palateRed = P({"Firm, fine-grained tannins", "Silky tannins and fresh acidity", "Full-bodied and plush",
                        "Medium-bodied, juicy and bright", "Dense and muscular, still closed",
                        "Supple, with sweet fruit at the core"});
    Pool palateWhite = P({"Taut acidity", "Creamy texture", "Saline minerality", "Racy and electric",
                          "Broad and oily, with good cut", "Just off-dry, beautifully balanced"});
    Pool palateRose = P({"Bone dry and crisp", "Light and saline", "Round, with a touch of tannin"});
    Pool palateSparkling = P({"Creamy mousse", "Precise and chalky", "Vinous and generous", "Bone dry, razor sharp"});
    Pool palateDessert = P({"Unctuous yet fresh", "Luscious, with bright acidity", "Thick and honeyed"});
    Pool palateFortified = P({"Warming and rich", "Nutty and dry", "Sweet, spirity and long",
                              "Powerful, with grippy tannins"});

    Pool finish = P({"long", "very long", "medium", "lingering", "persistent", "short but clean"});
    Pool verdict = P({"superb, needs time", "drinking beautifully now", "a touch past its best",
                      "better than the last bottle", "classic and correct", "stunning — the wine of the night",
                      "corked, sadly", "closed; leave it another five years", "lovely with the food",
                      "showing some bottle variation"});
    Pool people = P({"Zoë", "François", "Renée", "José", "Björn", "Anaïs", "the Müllers", "Chloé and Raphaël",
                     "Søren", "the tasting group", "Hélène", "Jürgen", "Inés"});
    Pool merchants = P({"Caves Augé, Paris", "Lavinia, Madrid", "the Rhône Wine Merchants", "K&L Wine Merchants",
                        "Vinothek Weißenkirchen", "Hedonism Wines, London", "a broker in Bordeaux",
                        "the corner wine shop"});
    Pool online = P({"wine.example.com", "the Fine Wine Exchange web shop", "a flash sale site"});
    Pool auctions = P({"Fine Wine Auctions — a private cellar", "the Hôtel Drouot wine sale", "a charity auction"});
    Pool occasions = P({"Christmas dinner", "our anniversary", "Zoë's birthday", "New Year's Eve",
                        "a Sunday lunch", "the harvest party", "a blind tasting", "Thanksgiving",
                        "the summer barbecue", "François's retirement"});
    Pool serveRed = P({"Decanted two hours before serving.", "Serve at 16–18 °C.",
                       "Stand the bottle up a day before opening: heavy sediment."});
    Pool serveCold = P({"Serve well chilled, 8–10 °C.", "Open an hour before and keep in the ice bucket."});
    Pool serveFortified = P({"Serve at cellar temperature, 14 °C.", "Keeps for weeks once opened."});
    Pool extraNotes = P({"Cork slightly crumbly; use the Ah-So.",
                         "Label scuffed, capsule intact.", "Part of a mixed case; invoice in the cellar book.",
                         "Ullage top shoulder.",
                         "Original wooden case kept in the garage.",
                         "Birth-year wine for Chloé — do not drink!",
                         "Critics split on this vintage; I like it."});

    Pool foodRed = P({"Roast lamb", "Côte de bœuf", "Coq au vin", "Duck confit", "Beef Wellington",
                      "Mushroom risotto", "Osso buco", "Comté", "Venison", "Cassoulet", "Bœuf bourguignon",
                      "Grilled ribeye", "Pappardelle al ragù", "Roast pigeon", "Truffle tagliatelle"});
    Pool foodWhite = P({"Grilled sea bass", "Lobster", "Roast chicken", "Gruyère", "Oysters", "Sole meunière",
                        "Thai green curry", "Goat cheese", "Wiener Schnitzel", "Choucroute garnie", "Crab cakes",
                        "Sushi", "Pork belly"});
    Pool foodRose = P({"Bouillabaisse", "Salade niçoise", "Grilled prawns", "Ratatouille", "Jamón ibérico",
                       "Tapenade", "Paella"});
    Pool foodSparkling = P({"Oysters", "Caviar", "Gougères", "Fried chicken", "Smoked salmon blinis",
                            "Parmigiano-Reggiano", "Tempura"});
    Pool foodDessert = P({"Foie gras", "Roquefort", "Tarte Tatin", "Crème brûlée", "Blue cheese", "Apricot tart",
                          "Panna cotta", "Lemon tart"});
    Pool foodFortified = P({"Stilton", "Dark chocolate", "Walnuts", "Christmas pudding", "Manchego",
                            "Pastel de nata", "Pecan pie", "Marcona almonds"});

    Pool keywordsCommon = P({"cellar-worthy", "gift", "birth-year wine", "anniversary", "organic", "biodynamic",
                             "old vines", "single vineyard", "auction", "collectible", "weeknight", "trophy wine",
                             "en primeur", "critics' pick", "back vintage", "small producer", "drink soon",
                             "for the kids' weddings", "blind tasting", "restaurant list"});
    Pool keywordsRed = P({"structured", "age-worthy", "BBQ", "steak wine", "decant"});
    Pool keywordsWhite = P({"mineral", "aperitif", "seafood", "oak", "unoaked"});
    Pool keywordsSweet = P({"sweet", "dessert", "cheese course", "half bottle"});
    Pool keywordsSparkling = P({"celebration", "aperitif", "grower", "toast"});

    Pool dbNotes = P({"Cellar temperature 13 °C, humidity 70 %.",
                      "Rack A: Bordeaux and Burgundy. Rack B: Rhône, Italy and Spain. Rack C: everything else.",
                      "Insurance inventory updated 2023/11/30 — copy with the broker.",
                      "Drink the Beaujolais and the rosés within three years of the vintage.",
                      "Wine club shipments arrive in March and October."});
    Pool dbNotesLarge = P({"Half bottles live in the wine fridge, bottom shelf.",
                           "Off-site storage: Cave Sûre, unit 14; access code with the broker.",
                           "Magnums stand in bin 4; never more than two high.",
                           "Prices paid include tax; values are recent auction results where known.",
                           "Tasting group meets the first Friday of the month — bring two bottles.",
                           "Château visits planned for next spring: Pauillac, Saint-Émilion, Sauternes.",
                           "Cellar book scans are under Pictures/cellar-book; one page per case."});

    struct Contact {
        std::string address, name;
    };
    std::vector<Contact> contacts = {
        {"cellar@example.com", W("Cellar Door")},
        {"orders@caves-auge.example.com", W("Caves Augé")},
        {"sales@rhone-merchants.example.net", W("Rhône Wine Merchants")},
        {"concierge@auction.example.org", W("Fine Wine Auctions")},
        {"zoe.martin@example.net", W("Zoë Martin")},
        {"broker@bordeaux-negoce.example.com", W("Négoce Bordelais")},
        {"club@example.org", W("The Wine Club")},
    };
};

const Pool& byColor(const std::string& color, const Pool& red, const Pool& white, const Pool& rose,
                    const Pool& sparkling, const Pool& dessert, const Pool& fortified) {
    static const std::string kRose = W("Rosé");
    if (color == "White") return white;
    if (color == kRose) return rose;
    if (color == "Sparkling") return sparkling;
    if (color == "Dessert") return dessert;
    if (color == "Fortified") return fortified;
    return red;
}

// ---- formatting ----

std::string Money(double dollars) {
    auto cents = static_cast<long long>(std::llround(dollars * 100.0));
    long long whole = cents / 100;
    std::string digits = std::to_string(whole);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped.push_back(',');
        grouped.push_back(digits[i]);
    }
    char tail[32];
    std::snprintf(tail, sizeof tail, ".%02lld", cents % 100);
    return "$" + grouped + tail;
}

std::string Date(int year, int month, int day) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", year, month, day);
    return text;
}

double Millilitres(const std::string& size) {
    double amount = std::atof(size.c_str());
    return size.find(" L") != std::string::npos ? amount * 1000 : amount;
}

std::string TwoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::string Anchor(const std::string& address, const std::string& text) {
    return "<A href=\"" + address + "\">" + text + "</A>";
}

// ---- the generator ----

constexpr int kThisYear = 2023;
constexpr int kDrinkFromDetail = 6, kDrinkToDetail = 7;  // fixed so a seed means the same cellar next year

class Generator {
public:
    Generator(std::uint32_t seed, const GeneratorOptions& options)
        : rng_(seed), large_(options.large), sample_(options.sample),
          drinkYears_(options.sample || options.drinkYears) {
        for (int k = 1; k <= kDescriptionCount; ++k) {
            std::string path = options.dataDir + "/description" + std::to_string(k) + ".def";
            treeTexts_[static_cast<std::size_t>(k - 1)] = readTreeFile(path);
            trees_.emplace_back(treeTexts_[static_cast<std::size_t>(k - 1)]);
        }
        for (const auto& entry : kWines) wines_.push_back(resolve(entry));
        for (const auto& wine : wines_) totalWeight_ += wine.weight;
    }

    Database make(std::size_t count) {
        Database db;
        db.labels = DefaultLabels();
        if (sample_) nameLabels(db.labels);
        if (drinkYears_) {
            db.labels[DetailLabel(kDrinkFromDetail)] = "Drink From";
            db.labels[DetailLabel(kDrinkToDetail)] = "Drink To";
        }
        db.valueTrees = treeTexts_;
        fillInfo(db);
        db.records.reserve(count);
        for (std::size_t i = 0; i < count; ++i) db.records.push_back(makeRecord(pickWine()));
        return db;
    }

private:
    const TreeIndex& tree(int k) const { return trees_[static_cast<std::size_t>(k - 1)]; }

    Wine resolve(const CatalogueWine& entry) {
        Wine w;
        w.producer = W(entry.producer);
        w.cuvee = W(entry.cuvee);
        w.slug = Slug(w.producer + " " + w.cuvee);
        w.country = W(entry.country);
        w.color = W(entry.color);
        w.low = entry.low;
        w.high = entry.high;
        w.flags = entry.flags;
        w.size = W(entry.size);
        w.firstVintage = entry.firstVintage;
        w.weight = entry.high <= 40 ? 8 : entry.high <= 120 ? 6 : entry.high <= 400 ? 3 : 1;

        if (*entry.region) {
            std::string path = W(entry.region) + " : " + w.country;
            if (*entry.appellation) path = W(entry.appellation) + " : " + path;
            w.region = tree(1).resolve(path, rng_);
        }
        w.type = tree(2).resolve(W(entry.grape) + " : " + w.color, rng_);
        std::string producerPath = w.producer + " : " + w.country;
        if (tree(3).has(producerPath)) w.producerPath = producerPath;
        else if (tree(3).has(w.country)) w.producerPath = w.country;
        return w;
    }

    const Wine& pickWine() {
        auto target = static_cast<int>(rng_.below(static_cast<std::size_t>(totalWeight_)));
        for (const auto& w : wines_) {
            target -= w.weight;
            if (target < 0) return w;
        }
        return wines_.back();
    }

    // What the generic fields of a generated record hold.
    static void nameLabels(LabelTable& labels) {
        labels[DetailLabel(5)] = "Alcohol";
        const char* descriptions[] = {"Drink Window", "Location", "Closure", "Bought From", "Occasion"};
        for (int k = 6; k <= kDescriptionCount; ++k) labels[static_cast<std::size_t>(DescriptionLabel(k))] = descriptions[k - 6];
    }

    void fillInfo(Database& db) {
        db.info[InfoDatabaseName] = "Sample Cellar";
        db.info[InfoOwner] = "Margaret Ashford";
        db.info[InfoStreet] = "14 Vineyard Lane";
        db.info[InfoCity] = "Napa";
        db.info[InfoCountry] = "USA";
        db.info[InfoZipCode] = "94558";
        db.info[InfoHomePhone] = "(707) 555-0142";
        db.info[InfoWorkPhone] = "(707) 555-0187";
        db.info[InfoEmail] = "cellar@example.com";
        db.info[InfoWebPage] = "https://www.example.com/cellar";
        db.notes = texts_.dbNotes;
        if (large_) db.notes.insert(db.notes.end(), texts_.dbNotesLarge.begin(), texts_.dbNotesLarge.end());
    }

    // How many years a collector keeps the wine before drinking it.
    static int keepingYears(const Wine& w) {
        int years = 40;
        if (w.high <= 25 || w.color == W("Rosé") || (w.color == "White" && w.high <= 40)) years = 4;
        else if (w.high <= 80) years = w.color == "Red" ? 12 : 8;
        if (w.color == "Dessert" || w.color == "Fortified") years += 15;
        return years;
    }

    int pickVintage(const Wine& w) {
        int first = std::max({w.firstVintage, 1985, 2021 - keepingYears(w)});
        int span = 2021 - first + 1;
        // Most of a cellar is recent; old bottles thin out.
        int back = static_cast<int>(std::floor(span * std::pow(rng_.unit(), 1.6)));
        return std::max(first, 2021 - std::min(back, span - 1));
    }

    std::string tastingNote(const Wine& w) {
        const Texts& t = texts_;
        const Pool& aromas = byColor(w.color, t.aromaRed, t.aromaWhite, t.aromaRose, t.aromaSparkling,
                                     t.aromaDessert, t.aromaFortified);
        auto a = rng_.some(aromas, 4);
        std::string note = rng_.pick(byColor(w.color, t.colourRed, t.colourWhite, t.colourRose, t.colourSparkling,
                                             t.colourDessert, t.colourFortified));
        note += "; " + a[0] + ", " + a[1] + " and " + a[2] + " on the nose. ";
        note += rng_.pick(byColor(w.color, t.palateRed, t.palateWhite, t.palateRose, t.palateSparkling,
                                  t.palateDessert, t.palateFortified));
        note += ", with " + a[3] + " on a " + rng_.pick(t.finish) + " finish.";
        return note;
    }

    // Draws are made one statement at a time throughout: the order in which
    // a call's arguments are evaluated differs between compilers, and the
    // bundled sample must come out the same from every one of them.
    std::string randomDate(int fromYear, int toYear) {
        int year = rng_.between(fromYear, std::max(fromYear, toYear));
        int month = rng_.between(1, 12);
        int day = rng_.between(1, 28);
        return Date(year, month, day);
    }

    ItemRecord makeRecord(const Wine& w) {
        ItemRecord r;
        r.Id = NewRecordKey(rng_.engine());
        const bool nv = (w.flags & kNonVintage) != 0;
        const bool home = (w.flags & kHomeMade) != 0;
        const int year = nv ? 0 : home ? rng_.between(2012, 2021) : pickVintage(w);
        const std::string vintage = nv ? "NV" : std::to_string(year);

        if (w.flags & kBareName) r.Name = w.cuvee;
        else r.Name = w.cuvee.empty() ? w.producer : w.producer + " " + w.cuvee;
        if (!nv && !(w.flags & kBareName)) r.Name += " " + vintage;
        if (home) r.Name += " " + vintage;

        // Bottles come in the wine's usual size, now and then in halves or large formats.
        const std::string usual = w.size.empty() ? std::string("750 ml") : w.size;
        std::string size = usual;
        const int roll = static_cast<int>(rng_.below(1000));
        const bool halves = w.color == "Dessert" || w.color == "Sparkling" || w.high >= 80;
        if (usual == "375 ml" && roll < 250) size = "750 ml";
        else if (usual == "750 ml" && halves && roll < 50) size = "375 ml";
        else if (roll >= 900 && roll < 960 && w.color != W("Rosé")) size = "1.5 L";
        else if (roll >= 960 && roll < 975 && w.high > 100) size = "3 L";
        double scale = Millilitres(size) / Millilitres(usual);
        if (scale > 1) scale *= 1.05;  // large formats fetch a premium
        if (scale < 1) scale *= 1.1;

        // The price of the usual bottle, spread across the wine's range; old vintages cost more.
        double price = w.low * std::pow(static_cast<double>(w.high) / w.low, rng_.unit());
        if (!nv && year < 2005 && w.high > 100) price *= 1.0 + 0.03 * (2005 - year);
        double paid = price * scale;
        paid = paid < 30 ? std::floor(paid) + 0.99 : price < 200 ? std::round(paid) : std::round(paid / 5) * 5;
        const int age = nv ? 3 : kThisYear - year;
        const double growth = w.high >= 150 ? 0.05 : w.high >= 60 ? 0.02 : 0.0;
        double value = paid * (1.0 + growth * age) * (0.9 + 0.2 * rng_.unit());
        value = value < 200 ? std::round(value) : std::round(value / 10) * 10;

        int quantity;
        if (w.high > 500 || size != "750 ml") quantity = rng_.between(1, 3);
        else {
            static const int kCounts[] = {1, 1, 1, 2, 2, 3, 3, 4, 6, 6, 6, 6, 12, 12};
            quantity = kCounts[rng_.below(std::size(kCounts))];
            if (w.high <= 25 && rng_.chance(10)) quantity = 24;
        }

        std::string received;
        if (nv || home) {
            received = randomDate(home ? year + 1 : 1995, kThisYear);
        } else {
            int wait = std::min(12, keepingYears(w));
            int latest = std::min(kThisYear, year + 2 + static_cast<int>(rng_.below(static_cast<std::size_t>(wait))));
            received = randomDate(std::max(year + 1, 1987), latest);
        }

        r.Details[0] = w.producer;
        r.Details[1] = Money(paid);
        r.Details[2] = received;
        r.Details[3] = vintage;
        r.Details[4] = size;
        if (rng_.chance(70)) {
            double alcohol = w.color == "Fortified" ? 19.0 + rng_.between(0, 3) * 0.5
                           : w.color == "Dessert"   ? 9.0 + rng_.between(0, 10) * 0.5
                           : w.color == "Red"       ? 12.5 + rng_.between(0, 5) * 0.5
                                                    : 11.0 + rng_.between(0, 5) * 0.5;
            char text[16];
            std::snprintf(text, sizeof text, "%.1f%%", alcohol);
            r.Details[5] = text;
        }
        const std::string source = home || tree(9).leaves.empty() ? std::string() : rng_.pick(tree(9).leaves);
        if (source == "Auction") r.Details[6] = "Lot " + std::to_string(rng_.between(10, 2999));
        else if (rng_.chance(15)) r.Details[6] = "Invoice " + received.substr(0, 4) + "-" + TwoDigits(rng_.between(1, 99));
        if (quantity >= 6 && w.high > 100 && rng_.chance(50)) r.Details[7] = "OWC";
        // The draws above are made either way, so that the rest of the
        // record is the same with and without drinking years.
        if (drinkYears_) setDrinkYears(r, w, nv || home ? -1 : year);
        r.Details[8] = Money(value);
        r.Details[9] = TwoDigits(quantity);

        // Descriptions.
        r.Description(1) = w.region;
        r.Description(2) = w.type;
        r.Description(3) = w.producerPath;
        const bool tested = rng_.chance(45);
        r.Tested = tested;
        r.Untested = !tested && rng_.chance(85);
        r.Favorite = tested && rng_.chance(25);
        r.Description(4) = rating(w, price, tested);
        r.Description(5) = rarity(w, price);
        r.Description(6) = drinkingWindow(w, nv ? -1 : age);
        std::string location = storage(w);
        r.Description(7) = location;
        r.Description(8) = closure(w);
        r.Description(9) = source.empty() ? source : tree(9).resolve(source, rng_);
        if (rng_.chance(55) && !tree(10).leaves.empty()) r.Description(10) = rng_.pick(tree(10).leaves);

        fillNotes(r, w, tested, received);
        fillLinks(r, w, vintage);
        fillImages(r, w, vintage);
        r.Ingredients = home ? homeMadeTable(w) : bottleTable(quantity, location, received);
        r.ReadOnly = rng_.chance(3);
        return r;
    }

    std::string rating(const Wine& w, double price, bool tested) {
        const TreeIndex& t = tree(4);
        if (!tested && rng_.chance(60)) return t.resolve("Not Yet Rated", rng_);
        if (!tested && rng_.chance(50)) return "";
        double fame = std::log10(std::max(10.0, price));  // 1 ... ~3.8
        int score = static_cast<int>(std::round(80 + fame * 5 + rng_.between(-4, 4)));
        if (w.flags & kHomeMade) score -= 6;
        if (rng_.chance(20)) {
            int stars = std::clamp((score - 78) / 4, 1, 5);
            std::string text = std::to_string(stars) + (stars == 1 ? " Star - Fair" : " Stars - ");
            static const char* kNames[] = {"", "", "Good", "Very Good", "Excellent", "Exceptional"};
            if (stars > 1) text += kNames[stars];
            return t.resolve(text + " : Stars", rng_);
        }
        const char* band = score >= 100 ? "100 - Extraordinary"
                         : score >= 95  ? "95-99 - Classic"
                         : score >= 90  ? "90-94 - Outstanding"
                         : score >= 85  ? "85-89 - Very Good"
                         : score >= 80  ? "80-84 - Good"
                         : score >= 75  ? "75-79 - Mediocre"
                                        : "Below 75 - Not Recommended";
        return t.resolve(std::string(band) + " : Points", rng_);
    }

    std::string rarity(const Wine& w, double price) {
        const char* name = (w.flags & kHomeMade) ? "Unique"
                         : price < 25             ? "Everyday"
                         : price < 60             ? "Available"
                         : price < 150            ? "Limited Release"
                         : price < 400            ? "Allocated"
                         : price < 1500           ? "Rare"
                                                 : "Very Rare";
        return tree(5).resolve(name, rng_);
    }

    std::string drinkingWindow(const Wine& w, int age) {
        if (age < 0) return tree(6).resolve("Drink Now", rng_);
        // Finer wines take longer to come round and last longer.
        double peak = 2.0 + 4.0 * std::log10(std::max(10, w.high) / 10.0) * (w.color == "Red" ? 1.5 : 1.0);
        double r = age / peak;
        const char* name = r < 0.4 ? "Too Young" : r < 0.8 ? "Hold" : r < 1.4 ? "Drink or Hold" : r < 2.5 ? "Drink Now" : "Past Peak";
        return tree(6).resolve(name, rng_);
    }

    // Fixed years, from the vintage and the wine alone (no draws): the
    // sample's windows do not move with the clock. Around 2026 they give
    // every status; non-vintage wines have a drink-by year only, home-made
    // ones none.
    static void setDrinkYears(ItemRecord& r, const Wine& w, int vintage) {
        std::string& from = r.Details[kDrinkFromDetail];
        std::string& to = r.Details[kDrinkToDetail];
        from.clear();
        to.clear();
        if (w.flags & kHomeMade) return;
        const int spread = static_cast<unsigned char>(r.Id[0]) % 4;  // the record key is already drawn
        if (vintage < 0) {
            to = std::to_string(2025 + spread);
            return;
        }
        const double peak = 2.0 + 4.0 * std::log10(std::max(10, w.high) / 10.0) * (w.color == "Red" ? 1.5 : 1.0);
        from = std::to_string(vintage + static_cast<int>(std::lround(peak * 0.8)) + spread);
        to = std::to_string(vintage + static_cast<int>(std::lround(peak * 2.2)) + spread);
    }

    std::string storage(const Wine& w) {
        const TreeIndex& t = tree(7);
        if (w.high <= 25) return t.resolve(rng_.chance(50) ? "Kitchen" : "Bottom Shelf : Wine Fridge", rng_);
        if (w.high > 800 && rng_.chance(40)) return t.resolve("Off-site Storage", rng_);
        if (w.color == "White" || w.color == "Sparkling") {
            if (rng_.chance(40)) return t.resolve(rng_.chance(50) ? "Top Shelf : Wine Fridge" : "Middle Shelf : Wine Fridge", rng_);
        }
        static const char* kCellar[] = {"Rack A : Cellar", "Rack B : Cellar", "Rack C : Cellar", "Bin 1 : Cellar",
                                        "Bin 2 : Cellar", "Bin 3 : Cellar", "Bin 4 : Cellar"};
        return t.resolve(kCellar[rng_.below(std::size(kCellar))], rng_);
    }

    std::string closure(const Wine& w) {
        const TreeIndex& t = tree(8);
        bool newWorld = w.country == "Australia" || w.country == "New Zealand";
        if (newWorld && rng_.chance(75)) return t.resolve("Screw Cap", rng_);
        if (w.color == "Sparkling" && rng_.chance(5)) return t.resolve("Crown Cap", rng_);
        if (w.high <= 20 && rng_.chance(30)) return t.resolve(rng_.chance(50) ? "Screw Cap" : "Synthetic Cork", rng_);
        if (w.color == "White" && rng_.chance(3)) return t.resolve("Glass Stopper", rng_);
        if (rng_.chance(8)) return "";
        return t.resolve("Natural Cork", rng_);
    }

    // The first line of the notes says where the bottles came from.
    std::string purchaseNote(const Wine& w, const std::string& source, const std::string& received) {
        const Texts& t = texts_;
        if (w.flags & kHomeMade) return "Bottled " + received + ".";
        if (source == "Gift") return "A gift from " + rng_.pick(t.people) + ", " + received + ".";
        if (source == "Restaurant") return "Bought " + received + " from the restaurant's cellar after dinner.";
        std::string from = source == "Auction"           ? rng_.pick(t.auctions)
                         : source == "Winery Direct"     ? "the cellar door at " + w.producer
                         : source == "Wine Club"         ? std::string("the wine club")
                         : source == "Online Retailer"   ? rng_.pick(t.online)
                                                         : rng_.pick(t.merchants);
        return "Bought " + received + " from " + from + ".";
    }

    void fillNotes(ItemRecord& r, const Wine& w, bool tested, const std::string& received) {
        const Texts& t = texts_;
        const bool sweet = w.color == "Dessert" || w.color == "Fortified";
        // Keywords
        auto& keywords = r.NoteLists[0];
        keywords = rng_.some(t.keywordsCommon, large_ ? 3 + rng_.below(6) : rng_.below(3));
        const Pool& own = sweet ? t.keywordsSweet
                        : w.color == "Sparkling" ? t.keywordsSparkling
                        : w.color == "Red" ? t.keywordsRed : t.keywordsWhite;
        for (auto& k : rng_.some(own, large_ ? 2 + rng_.below(3) : rng_.below(2))) keywords.push_back(k);
        if (r.Details[4] == "1.5 L") keywords.push_back("magnum");

        // Food pairing
        const Pool& food = byColor(w.color, t.foodRed, t.foodWhite, t.foodRose, t.foodSparkling, t.foodDessert,
                                   t.foodFortified);
        r.NoteLists[1] = rng_.some(food, large_ ? 3 + rng_.below(5) : 1 + rng_.below(3));

        // Notes
        auto& notes = r.NoteLists[2];
        notes.push_back(purchaseNote(w, r.Description(9), received));
        if (tested) {
            int tastings = large_ ? 2 + static_cast<int>(rng_.below(8)) : 1;
            int fromYear = std::stoi(received.substr(0, 4));
            for (int i = 0; i < tastings; ++i) {
                std::string line = tastingNote(w);
                if (large_) {
                    std::string date = randomDate(fromYear, kThisYear);
                    std::string who = rng_.pick(t.people);
                    std::string why = rng_.pick(t.occasions);
                    std::string again = tastingNote(w);
                    std::string verdict = rng_.pick(t.verdict);
                    line = date + W(" — with ") + who + ", " + why + ". " + line + " " + again +
                           " Verdict: " + verdict + ".";
                } else if (rng_.chance(50)) {
                    std::string who = rng_.pick(t.people);
                    std::string verdict = rng_.pick(t.verdict);
                    line += " Tasted with " + who + ": " + verdict + ".";
                }
                notes.push_back(line);
            }
        }
        int extras = large_ ? 2 + static_cast<int>(rng_.below(4)) : static_cast<int>(rng_.below(2));
        for (auto& extra : rng_.some(t.extraNotes, static_cast<std::size_t>(extras))) notes.push_back(extra);
        if (rng_.chance(large_ ? 70 : 30)) {
            const Pool& serve = w.color == "Red" ? t.serveRed : w.color == "Fortified" ? t.serveFortified : t.serveCold;
            notes.push_back(rng_.pick(serve));
        }
        if (large_) notes.push_back("");  // a blank line left at the end of the memo
    }

    void fillLinks(ItemRecord& r, const Wine& w, const std::string& vintage) {
        if ((w.flags & kHomeMade) == 0 && rng_.chance(large_ ? 95 : 60))
            r.Links.push_back(Anchor("https://" + Slug(w.producer) + ".example.com/", w.producer));
        if (rng_.chance(large_ ? 90 : 35))
            r.Links.push_back(Anchor("https://prices.example.org/find/" + w.slug + "/" + vintage, "Price history"));
        if (large_) {
            if (rng_.chance(70))
                r.Links.push_back(Anchor("https://reviews.example.net/wine/" + w.slug + "-" + vintage, "Critic reviews"));
            if (rng_.chance(40))
                r.Links.push_back(Anchor("https://www.example.com/cellar/tastings/" + w.slug, W("Our tasting notes — web copy")));
        }

        const auto& contacts = texts_.contacts;
        int emails = large_ ? 1 + static_cast<int>(rng_.below(3)) : rng_.chance(40) ? 1 : 0;
        for (int i = 0; i < emails; ++i) {
            const auto& c = contacts[rng_.below(contacts.size())];
            r.EmailAddresses.push_back(Anchor(c.address, c.name));
        }
        if (large_ && (w.flags & kHomeMade) == 0 && rng_.chance(50))
            r.EmailAddresses.push_back(Anchor("visits@" + Slug(w.producer) + ".example.com", w.producer));
    }

    void fillImages(ItemRecord& r, const Wine& w, const std::string& vintage) {
        for (int i = 0; i < kImageCount; ++i)
            r.Images[static_cast<std::size_t>(i)].Title = "Untitled " + std::to_string(i + 1);
        const std::string base = w.slug + "-" + Slug(vintage);
        const std::string folder = "/home/collector/Pictures/";
        const bool front = rng_.chance(large_ ? 95 : 75);
        const bool flagged = front && rng_.chance(20);
        const bool back = front && rng_.chance(large_ ? 80 : 35);
        if (sample_) {
            // One shipped picture per wine, beside the database; the formats take turns.
            static const char* kFormats[] = {".png", ".jpg", ".pcx"};
            r.Images[0] = {"labels/" + w.slug + kFormats[w.slug.size() % 3], "Label", flagged};
            return;
        }
        if (front) {
            r.Images[0] = {folder + "labels/" + base + ".jpg", "Label", flagged};
            if (back) r.Images[1] = {folder + "labels/" + base + "-back.jpg", "Back Label", false};
        }
        if (large_) {
            if (rng_.chance(60)) r.Images[2] = {folder + "cellar/" + base + "-capsule.jpg", "Capsule", false};
            if (rng_.chance(50)) r.Images[3] = {folder + "receipts/" + base + ".png", "Receipt", rng_.chance(30)};
            if (rng_.chance(25)) r.Images[4] = {folder + "tastings/" + base + "-dinner.jpg", "Dinner", false};
            if (rng_.chance(10)) r.Images[5].FileName = folder + "misc/" + base + ".gif";
        }
    }

    std::string shortPlace(const std::string& location) {
        auto colon = location.find(" : ");
        return colon == std::string::npos ? location : location.substr(0, colon);
    }

    std::string bottleTable(int quantity, const std::string& location, const std::string& received) {
        IngredientsTable table;  // 4 columns, 100 rows: the main window's grid
        auto add = [&table](int row, std::initializer_list<std::string> cells) {
            int column = 0;
            for (const auto& text : cells) table.cells.push_back({column++, row, text});
        };
        add(0, {"Ingredients", "Quantity", "Measure", "Notes"});
        int row = 1;
        std::string place = location.empty() ? std::string("Rack B") : shortPlace(location);
        int second = quantity > 1 && rng_.chance(30) ? rng_.between(1, quantity - 1) : 0;
        add(row++, {"Bottle", std::to_string(quantity - second), rng_.chance(80) ? "units" : "each", place});
        if (second > 0) add(row++, {"Bottle", std::to_string(second), "units", "Wine Fridge"});
        if (large_) {
            int opened = rng_.between(0, 10);
            int fromYear = std::stoi(received.substr(0, 4));
            for (int i = 0; i < opened && row < 100; ++i) {
                std::string note = randomDate(fromYear, kThisYear);
                note += " " + rng_.pick(texts_.occasions);
                if (rng_.chance(15)) note += "\r\nsee tasting notes";  // a cell typed on two lines
                add(row++, {"Opened", "1", "units", note});
            }
            if (rng_.chance(30)) add(row++, {"Empty bottle", "1", "units", "kept for the label"});
        }
        return EncodeIngredients(table);
    }

    std::string homeMadeTable(const Wine& w) {
        IngredientsTable table;
        auto add = [&table](int row, std::initializer_list<std::string> cells) {
            int column = 0;
            for (const auto& text : cells) {
                if (!text.empty()) table.cells.push_back({column, row, text});
                ++column;
            }
        };
        add(0, {"Ingredients", "Quantity", "Measure", "Notes"});
        bool red = w.color == "Red";
        int row = 1;
        add(row++, {red ? "Cabernet Sauvignon grapes" : "Riesling grapes", std::to_string(rng_.between(80, 250)),
                    "pound", "hand-picked"});
        add(row++, {"Sodium Metabisulfite", "0.25", "teaspoon", "at crush"});
        add(row++, {"Yeast", "5", "gram", red ? "RC212" : "QA23"});
        add(row++, {"Yeast Energizer", "1", "teaspoon", ""});
        if (red) add(row++, {"Tannin", "0.5", "teaspoon", ""});
        else add(row++, {"Tartaric Acid", "2", "tablespoon", "acid was low"});
        add(row++, {"Potassium Sorbate", "0.5", "teaspoon", "before bottling"});
        if (large_) add(row++, {"Pectic Enzyme Liquid", "10", "dash", ""});
        return EncodeIngredients(table);
    }

    Random rng_;
    bool large_;
    bool sample_;
    bool drinkYears_;
    Texts texts_;
    std::array<std::string, kDescriptionCount> treeTexts_;
    std::vector<TreeIndex> trees_;
    std::vector<Wine> wines_;
    int totalWeight_ = 0;
};

}  // namespace

std::vector<std::string> TreePaths(const std::string& treeText) {
    std::vector<std::string> all;
    collectPaths(ParseTreeText(treeText), "", all, nullptr);
    return all;
}

Database GenerateCellar(std::size_t count, std::uint32_t seed, const GeneratorOptions& options) {
    Generator generator(seed, options);
    return generator.make(count);
}

}  // namespace vorlane
