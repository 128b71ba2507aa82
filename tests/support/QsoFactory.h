#pragma once

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/CSorvakDoc.h"
#include "model/QsoRecord.h"

namespace sorvak::test {

// A one-point 7 MHz CW QSO with the given call sign at the given minute of 2026-11-21.
std::unique_ptr<QsoRecord> qso(const std::string& callSign, int minute = 0);

// Fills a document with the call signs, one minute apart.
void addCalls(CSorvakDoc& doc, const std::vector<std::string>& calls);

std::vector<std::string> callSigns(const CSorvakDoc& doc);

// Random but realistic QSOs: Japanese calls of every area with portables,
// 7K/8J and DX calls, few distinct times so that keys tie often.
std::unique_ptr<QsoRecord> randomQso(std::mt19937& random);

}  // namespace sorvak::test
