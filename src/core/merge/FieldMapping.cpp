#include "core/merge/FieldMapping.h"

#include <algorithm>

#include "core/base/Translation.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

constexpr int kPhone1 = 9;
constexpr int kPhone2 = 10;

// Headers folded to lower-case letters and digits, accents dropped ("E-Mail" → "email",
// "Téléphone" → "telephone"), beside the field they stand for.
struct Alias {
  const char16_t* folded;
  int field;
};

constexpr Alias kAliases[] = {
    {u"company", 0},        {u"companyname", 0},     {u"organisation", 0},
    {u"organization", 0},   {u"org", 0},             {u"firm", 0},
    {u"business", 0},       {u"employer", 0},        {u"name", 1},
    {u"fullname", 1},       {u"contact", 1},         {u"contactname", 1},
    {u"displayname", 1},    {u"person", 1},          {u"title", 2},
    {u"jobtitle", 2},       {u"position", 2},        {u"role", 2},
    {u"addressline1", 3}, {u"address1", 3},      {u"address", 3},
    {u"street", 3},         {u"streetaddress", 3},   {u"addressline2", 4},
    {u"address2", 4},       {u"street2", 4},         {u"citystateprovince", 5},
    {u"city", 5},           {u"town", 5},            {u"citystate", 5},
    {u"locality", 5},       {u"zippostalcode", 6},   {u"zip", 6},
    {u"zipcode", 6},        {u"postcode", 6},        {u"postalcode", 6},
    {u"emailaddress", 7},   {u"email", 7},           {u"mail", 7},
    {u"websiteaddress", 8}, {u"website", 8},         {u"web", 8},
    {u"url", 8},            {u"homepage", 8},        {u"phonenumber1", kPhone1},
    {u"phone", kPhone1},    {u"phone1", kPhone1},    {u"tel", kPhone1},
    {u"telephone", kPhone1}, {u"phonenumber", kPhone1}, {u"workphone", kPhone1},
    {u"businessphone", kPhone1}, {u"officephone", kPhone1}, {u"phonenumber2", kPhone2},
    {u"phone2", kPhone2},   {u"mobile", kPhone2},    {u"mobilephone", kPhone2},
    {u"cell", kPhone2},     {u"cellphone", kPhone2}, {u"telephone2", kPhone2},
};

QString Folded(const QString& header) {
  QString folded;
  for (const QChar c : header.normalized(QString::NormalizationForm_D)) {
    if (c.isLetterOrNumber()) folded.append(c.toLower());
  }
  return folded;
}

std::optional<int> ColumnNamed(const QStringList& columns, const QString& wanted) {
  bool number = false;
  const int index = wanted.toInt(&number);
  if (number) {
    if (index >= 1 && index <= columns.size()) return index - 1;
    return std::nullopt;
  }
  for (qsizetype i = 0; i < columns.size(); ++i) {
    if (columns[i] == wanted) return static_cast<int>(i);
  }
  const QString folded = Folded(wanted);
  for (qsizetype i = 0; i < columns.size(); ++i) {
    if (!folded.isEmpty() && Folded(columns[i]) == folded) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> FieldForHeader(const QString& header) {
  const QString folded = Folded(header);
  for (const Alias& alias : kAliases) {
    if (folded == QStringView(alias.folded)) return alias.field;
  }
  return std::nullopt;
}

FieldMapping MappingByHeader(const QStringList& columns) {
  FieldMapping mapping;
  mapping.columnOfField.fill(kNoColumn);
  for (qsizetype i = 0; i < columns.size(); ++i) {
    const std::optional<int> field = FieldForHeader(columns[i]);
    if (field && mapping.columnOfField[*field] == kNoColumn) {
      mapping.columnOfField[*field] = static_cast<int>(i);
    }
  }
  if (mapping.columnOfField[kPhone1] == kNoColumn) {
    std::swap(mapping.columnOfField[kPhone1], mapping.columnOfField[kPhone2]);
  }
  return mapping;
}

Outcome<> ApplyOverride(FieldMapping& mapping, const QStringList& columns,
                        const std::string& assignment) {
  const size_t equals = assignment.find('=');
  if (equals == std::string::npos) {
    return Failure{TrMessage("'%1' is not FIELD=COLUMN.", PrintableName(assignment))};
  }
  const QString fieldName = QString::fromStdString(assignment.substr(0, equals));
  const QString columnName = QString::fromStdString(assignment.substr(equals + 1));
  const std::optional<int> field = FieldForHeader(fieldName);
  if (!field) {
    return Failure{
        TrMessage("'%1' is not a field; the fields are Company Name, Name, Title, Address Line 1, "
                  "Address Line 2, City, Zip, Email, Website, Phone 1 and Phone 2.",
                  PrintableName(fieldName.toStdString()))};
  }
  const std::optional<int> column = ColumnNamed(columns, columnName);
  if (!column) {
    return Failure{
        TrMessage("the data has no column '%1'.", PrintableName(columnName.toStdString()))};
  }
  std::ranges::replace(mapping.columnOfField, *column, kNoColumn);
  mapping.columnOfField[*field] = *column;
  return {};
}

QStringList UnmappedColumns(const FieldMapping& mapping, const QStringList& columns) {
  QStringList unmapped;
  for (qsizetype i = 0; i < columns.size(); ++i) {
    if (std::ranges::find(mapping.columnOfField, static_cast<int>(i)) !=
        mapping.columnOfField.end()) {
      continue;
    }
    unmapped.push_back(columns[i].isEmpty() ? Tr("column %1").arg(i + 1) : columns[i]);
  }
  return unmapped;
}

}  // namespace tavolo
