#pragma once

class QSettings;

namespace sorvak {

class CabrilloHeaderForm;
class JarlLogForm;

// The station's own fields of the Cabrillo header and JARL electronic log
// dialogs, kept in the settings profile when a dialog is accepted and offered
// in the next run wherever the dialog starts empty. What comes from the log
// (its contest name, call sign and operators) stays the log's.
void offerStationFields(CabrilloHeaderForm& form, const QSettings& settings);
void keepStationFields(const CabrilloHeaderForm& form, QSettings& settings);
void offerStationFields(JarlLogForm& form, const QSettings& settings);
void keepStationFields(const JarlLogForm& form, QSettings& settings);

}  // namespace sorvak
