#pragma once
// Synthetic wine cellars for benchmarks, tests and the bundled sample.
// The same count, seed and options always give the same database.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "storage/database.h"

namespace vorlane {

struct GeneratorOptions {
    // Folder holding description1.def ... description10.def; the records'
    // description values are picked from these trees.
    std::string dataDir = DefaultDataDir();
    // Texts sized like a collector's who has kept notes for years: long
    // tasting notes, many keywords and links, a fuller bottle table.
    bool large = false;
    // The bundled sample: the generic labels get cellar names, and every
    // wine's label picture is named relative to the database file
    // ("labels/<wine>.png", ".jpg" or ".pcx"), drawn by draw_labels.
    bool sample = false;
    // Details 6 and 7 are labelled "Drink From" and "Drink To" and hold the
    // years of each wine's drinking window (always so in the sample).
    bool drinkYears = false;

    // The data folder of the source tree this was built from.
    static std::string DefaultDataDir();
};

// Throws std::runtime_error when a value-tree file cannot be read.
Database GenerateCellar(std::size_t count, std::uint32_t seed, const GeneratorOptions& options = {});

// The value path ("Pauillac : Bordeaux : France") of every item of a value
// tree given in text form, in depth-first order.
std::vector<std::string> TreePaths(const std::string& treeText);

}  // namespace vorlane
