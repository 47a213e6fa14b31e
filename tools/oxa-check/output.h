#pragma once
// What oxa-check prints: one line per file, or the parsed content as JSON.

#include <ostream>
#include <span>
#include <string>

#include "inspection.h"

// "FILE: object model, 3 objects, 144 vertices, materials A K", or the error as
// "FILE:LINE: message".
std::string summaryLine(const Inspection& inspection);

// A JSON array with one entry per file.
void writeJson(std::ostream& out, std::span<const Inspection> inspections);
