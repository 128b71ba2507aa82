#include "editing/LogTools.h"

#include "editing/NumberToMultiForm.h"
#include "model/CSorvakDoc.h"

namespace sorvak {

void applySentNumber(CSorvakDoc& doc, const std::string& sent) {
    for (auto& record : doc.mutableQsoList()) {
        record->setSent(sent);
    }
    doc.setModified();
}

void applyNumberToMulti(CSorvakDoc& doc, const NumberToMultiForm& form) {
    for (auto& record : doc.mutableQsoList()) {
        record->setMulti(form.multiOf(record->rcvd()));
    }
    doc.setModified();
}

}  // namespace sorvak
