#include "StationSettings.h"

#include <QSettings>
#include <string>
#include <utility>

#include "editing/CabrilloHeaderForm.h"
#include "editing/JarlLogForm.h"

namespace sorvak {
namespace {

using CabrilloField = std::string CabrilloHeaderForm::*;

const std::pair<const char*, CabrilloField> kCabrilloFields[] = {
    {"cabrillo/callSign", &CabrilloHeaderForm::callSign},
    {"cabrillo/name", &CabrilloHeaderForm::name},
    {"cabrillo/address", &CabrilloHeaderForm::address},
    {"cabrillo/location", &CabrilloHeaderForm::location},
    {"cabrillo/category", &CabrilloHeaderForm::category},
    {"cabrillo/categoryAssisted", &CabrilloHeaderForm::catAssisted},
    {"cabrillo/categoryBand", &CabrilloHeaderForm::catBand},
    {"cabrillo/categoryMode", &CabrilloHeaderForm::catMode},
    {"cabrillo/categoryOperator", &CabrilloHeaderForm::catOperator},
    {"cabrillo/categoryPower", &CabrilloHeaderForm::catPower},
    {"cabrillo/categoryStation", &CabrilloHeaderForm::catStation},
    {"cabrillo/categoryTime", &CabrilloHeaderForm::catTime},
    {"cabrillo/categoryTransmitter", &CabrilloHeaderForm::catTransmitter},
    {"cabrillo/categoryOverlay", &CabrilloHeaderForm::catOverlay},
};

using F = JarlField;
const std::pair<const char*, JarlField> kJarlFields[] = {
    {"jarl/name", F::Name},
    {"jarl/address", F::Address},
    {"jarl/telephone", F::Tel},
    {"jarl/email", F::Email},
    {"jarl/licenseDate", F::LicenseDate},
    {"jarl/age", F::Age},
    {"jarl/power", F::Power},
    {"jarl/powerSupply", F::PowerSupply},
    {"jarl/club", F::RegClub},
    {"jarl/signature", F::Signature},
    {"jarl/operatorList", F::MultiOpList},
};

// A stored text, or nothing for a key that is missing or not a text.
std::string storedText(const QSettings& settings, const char* key) {
    QVariant value = settings.value(QString::fromLatin1(key));
    return value.typeId() == QMetaType::QString ? value.toString().toStdString() : std::string();
}

void offer(std::string& field, const std::string& stored) {
    if (field.empty()) {
        field = stored;
    }
}

}  // namespace

void offerStationFields(CabrilloHeaderForm& form, const QSettings& settings) {
    for (const auto& [key, field] : kCabrilloFields) {
        offer(form.*field, storedText(settings, key));
    }
}

void keepStationFields(const CabrilloHeaderForm& form, QSettings& settings) {
    for (const auto& [key, field] : kCabrilloFields) {
        settings.setValue(QString::fromLatin1(key), QString::fromStdString(form.*field));
    }
}

void offerStationFields(JarlLogForm& form, const QSettings& settings) {
    for (const auto& [key, field] : kJarlFields) {
        // A log that names its operators has its own list (or none).
        if (field == F::MultiOpList && !form.logOperators.empty()) {
            continue;
        }
        offer(form[field], storedText(settings, key));
    }
}

void keepStationFields(const JarlLogForm& form, QSettings& settings) {
    for (const auto& [key, field] : kJarlFields) {
        settings.setValue(QString::fromLatin1(key), QString::fromStdString(form[field]));
    }
}

}  // namespace sorvak
