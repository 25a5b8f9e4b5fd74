#include "schedule/SoundsCsv.h"

#include "schedule/CsvFieldText.h"

#include <algorithm>

namespace SoundsCsv {

const std::vector<std::string> kColumns = {"sound", "number", "name"};

std::string written(const SoundNames &names, int &lastLine, std::vector<ScheduleCsvError> &problems)
{
    std::string text;
    for (SoundKind kind : {SoundKind::Melody, SoundKind::Voice}) {
        for (int number = 1; number <= SoundNames::kCount; ++number) {
            const QString name = names.name(kind, number);
            if (name.isEmpty())
                continue;
            if (text.empty()) {
                text = "\r\n" + csvLine(kColumns);
                lastLine += 2;
            }
            ++lastLine;
            std::vector<std::string> rowProblems;
            const std::string field = CsvFieldText::written(name.toStdString(), "name", rowProblems);
            for (const std::string &problem : rowProblems)
                problems.push_back({lastLine, problem + ", written without those bytes"});
            text += csvLine({SoundNames::kindText(kind).toStdString(), std::to_string(number), field});
        }
    }
    return text;
}

bool isHeader(const CsvRecord &record)
{
    if (record.fields.size() != kColumns.size())
        return false;
    std::vector<std::string> names;
    for (const std::string &field : record.fields)
        names.push_back(CsvFieldText::lowerTrimmed(field));
    return std::is_permutation(names.begin(), names.end(), kColumns.begin());
}

Reader::Reader(const CsvRecord &header)
{
    for (size_t f = 0; f < header.fields.size(); ++f) {
        const auto known = std::find(kColumns.begin(), kColumns.end(), CsvFieldText::lowerTrimmed(header.fields[f]));
        if (known != kColumns.end())
            m_fieldOf[size_t(known - kColumns.begin())] = f;
    }
}

bool Reader::read(const CsvRecord &record, SoundNames &names, std::vector<ScheduleCsvError> &errors)
{
    if (record.fields.size() != kColumns.size()) {
        errors.push_back({record.line,
                          std::to_string(record.fields.size()) + " fields, the sound header has "
                              + std::to_string(kColumns.size())});
        return false;
    }
    auto field = [&](Column column) -> const std::string & { return record.fields[m_fieldOf[column]]; };
    std::vector<std::string> problems;

    const std::string kindText = CsvFieldText::lowerTrimmed(field(kSound));
    const bool known = kindText == "melody" || kindText == "voice";
    const SoundKind kind = kindText == "voice" ? SoundKind::Voice : SoundKind::Melody;
    if (!known)
        problems.push_back("sound " + CsvFieldText::quoted(field(kSound)) + " is not Melody or Voice");

    const std::string numberText = CsvFieldText::lowerTrimmed(field(kNumber));
    int number = 0;
    if (CsvFieldText::allDigits(numberText) && !numberText.empty() && numberText.size() <= 2)
        number = std::stoi(numberText);
    if (number < 1 || number > SoundNames::kCount) {
        problems.push_back("number " + CsvFieldText::quoted(field(kNumber)) + " is not a number from 1 to "
                           + std::to_string(SoundNames::kCount));
        number = 0;
    }
    if (known && number) {
        const auto [it, added] = m_lineOf.emplace(std::make_pair(kind, number), record.line);
        if (!added)
            problems.push_back(SoundNames::kindText(kind).toStdString() + " " + std::to_string(number)
                               + " already named on line " + std::to_string(it->second));
    }

    const QString name = QString::fromStdString(CsvFieldText::read(field(kName), "name", problems));
    if (!SoundNames::isValidName(name))
        problems.push_back("name longer than " + std::to_string(SoundNames::kMaxLength) + " characters");

    if (!problems.empty()) {
        errors.push_back({record.line, "sound: " + CsvFieldText::joined(problems)});
        return false;
    }
    names.setName(kind, number, name);
    return true;
}

} // namespace SoundsCsv
