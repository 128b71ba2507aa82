#include "model/JarlLogHeader.h"

namespace sorvak {

const std::array<JarlFieldInfo, kJarlFieldCount>& jarlFields() {
    using F = JarlField;
    static const std::array<JarlFieldInfo, kJarlFieldCount> fields = {{
        {F::Contest, "CONTESTNAME", "コンテスト名", "contest", false},
        {F::Category, "CATEGORYCODE", "参加部門コード", "category", false},
        {F::CallSign, "CALLSIGN", "コールサイン", "callsign", false},
        {F::OpCallSign, "OPCALLSIGN", "運用者コールサイン", "opcallsign", false},
        {F::Address, "ADDRESS", "住所", "address", true},
        {F::Name, "NAME", "氏名", "name", false},
        {F::Tel, "TEL", "電話番号", "tel", false},
        {F::Email, "EMAIL", "電子メールアドレス", "email", false},
        {F::LicenseDate, "LICENSEDATE", "免許年月日", "licensedate", false},
        {F::Age, "AGE", "年齢", "age", false},
        {F::Power, "POWER", "空中線電力", "power", false},
        {F::FdCoeff, "FDCOEFF", "フィールドデー係数", "fdcoeff", false},
        {F::OpPlace, "OPPLACE", "運用地", "opplace", false},
        {F::PowerSupply, "POWERSUPPLY", "使用電源", "powersupply", false},
        {F::Comments, "COMMENTS", "意見", "comments", true},
        {F::MultiOpList, "MULTIOPLIST", "運用者リスト", "multioplist", false},
        {F::RegClub, "REGCLUBNUMBER", "登録クラブ番号", "regclub", false},
        {F::Oath, "OATH", "宣誓文", "oath", false},
        {F::Date, "DATE", "日付", "date", false},
        {F::Signature, "SIGNATURE", "署名", "signature", false},
    }};
    return fields;
}

const JarlFieldInfo& jarlFieldInfo(JarlField field) {
    return jarlFields()[static_cast<size_t>(field)];
}

}  // namespace sorvak
