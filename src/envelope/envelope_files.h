#pragma once
// The envelope files a room record carries behind its room items (floor plan, wall table, constructions and
// the envelope summary), read from and written back into the data directory as item texts.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/record_file.h"

namespace veskaro {

struct AppContext;

// One envelope file carried inside the room record: its name and its items as text.
struct EnvelopeFileBlock {
    std::string name;
    std::vector<std::string> items;
};

// The envelope files a saved record carries, in order.
inline const std::array<const char*, 8> kEnvelopeFileNames = {
    "CR_GP.dat", "CR_WALL.dat", "w1.dat", "w2.dat", "w3.dat", "w4.dat", "floor_CR.dat", "ceiling.dat"};

// The canonical name of an envelope file whatever the letter case of `name`, or nullptr for a name that is
// none of them (such a block is read past and never written: a record must not place files outside its set).
const char* CanonicalEnvelopeFileName(std::string_view name);

// The items of every envelope file of the data directory, as text (a missing file gives no items).
std::vector<EnvelopeFileBlock> ReadEnvelopeFiles(const AppContext& ctx);

// Writes each envelope block into the data directory, one quoted item per line (floor_CR.dat: its first
// three items in one record). Every file is tried; the status is that of the first failure.
WriteStatus WriteEnvelopeFiles(const AppContext& ctx, const std::vector<EnvelopeFileBlock>& envelope);

} // namespace veskaro
