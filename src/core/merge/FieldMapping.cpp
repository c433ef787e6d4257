#include "core/merge/FieldMapping.h"

#include <algorithm>

#include <QHash>

#include "core/base/Translation.h"
#include "core/card/FieldNames.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

// What part of the Name a column holds; every other field takes one column whole.
enum class Part { kWhole, kGiven, kMiddle, kFamily };

// Headers folded to lower-case letters and digits, accents dropped ("E-Mail" → "email",
// "Téléphone (bureau)" → "telephonebureau"), beside the field they stand for. Of two columns
// for one field, the one of the lower rank wins: 0 for a business card's own value, 1 for a
// general name, 2 for a private one.
struct Alias {
  const char16_t* folded;
  int field;
  int rank = 0;
  Part part = Part::kWhole;
};

// clang-format off
constexpr Alias kAliases[] = {
    // Company.
    {u"company", kCompany}, {u"companyname", kCompany}, {u"organisation", kCompany},
    {u"organization", kCompany}, {u"org", kCompany}, {u"firm", kCompany},
    {u"business", kCompany}, {u"employer", kCompany}, {u"organization1name", kCompany},
    {u"organizationname", kCompany}, {u"firma", kCompany}, {u"firmenname", kCompany},
    {u"unternehmen", kCompany}, {u"societe", kCompany}, {u"entreprise", kCompany},
    {u"raisonsociale", kCompany}, {u"azienda", kCompany}, {u"societa", kCompany},
    {u"ditta", kCompany}, {u"impresa", kCompany}, {u"ragionesociale", kCompany},
    {u"empresa", kCompany}, {u"compania", kCompany}, {u"organizacion", kCompany},
    // Name, whole or in parts.
    {u"name", kName}, {u"fullname", kName}, {u"contact", kName}, {u"contactname", kName},
    {u"displayname", kName}, {u"person", kName}, {u"vollstandigername", kName},
    {u"ansprechpartner", kName}, {u"kontaktperson", kName}, {u"nomcomplet", kName},
    {u"nomeecognome", kName}, {u"nomecompleto", kName}, {u"nominativo", kName},
    {u"nombrecompleto", kName}, {u"nombreyapellidos", kName},
    {u"firstname", kName, 0, Part::kGiven}, {u"givenname", kName, 0, Part::kGiven},
    {u"first", kName, 1, Part::kGiven}, {u"forename", kName, 0, Part::kGiven},
    {u"vorname", kName, 0, Part::kGiven}, {u"prenom", kName, 0, Part::kGiven},
    {u"nome", kName, 0, Part::kGiven}, {u"nombre", kName, 0, Part::kGiven},
    {u"middlename", kName, 0, Part::kMiddle}, {u"additionalname", kName, 0, Part::kMiddle},
    {u"weiterevornamen", kName, 0, Part::kMiddle}, {u"deuxiemeprenom", kName, 0, Part::kMiddle},
    {u"secondonome", kName, 0, Part::kMiddle}, {u"segundonombre", kName, 0, Part::kMiddle},
    {u"lastname", kName, 0, Part::kFamily}, {u"familyname", kName, 0, Part::kFamily},
    {u"surname", kName, 0, Part::kFamily}, {u"last", kName, 1, Part::kFamily},
    {u"nachname", kName, 0, Part::kFamily}, {u"familienname", kName, 0, Part::kFamily},
    {u"nom", kName, 0, Part::kFamily}, {u"nomdefamille", kName, 0, Part::kFamily},
    {u"cognome", kName, 0, Part::kFamily}, {u"apellido", kName, 0, Part::kFamily},
    {u"apellidos", kName, 0, Part::kFamily},
    // Title: a job title before a title, which may be a form of address.
    {u"jobtitle", kTitle}, {u"organization1title", kTitle}, {u"organizationtitle", kTitle},
    {u"position", kTitle}, {u"role", kTitle}, {u"berufsbezeichnung", kTitle},
    {u"jobtitel", kTitle}, {u"funktion", kTitle}, {u"fonction", kTitle}, {u"poste", kTitle},
    {u"qualifica", kTitle}, {u"ruolo", kTitle}, {u"mansione", kTitle}, {u"posizione", kTitle},
    {u"cargo", kTitle}, {u"puesto", kTitle}, {u"title", kTitle, 1}, {u"titel", kTitle, 1},
    {u"titre", kTitle, 1}, {u"titolo", kTitle, 1}, {u"titulo", kTitle, 1},
    // Address.
    {u"businessstreet", kAddress1}, {u"workaddress", kAddress1},
    {u"address1street", kAddress1}, {u"addressline1", kAddress1}, {u"address1", kAddress1},
    {u"strassegeschaftlich", kAddress1}, {u"straßegeschaftlich", kAddress1},
    {u"ruebureau", kAddress1}, {u"address", kAddress1, 1}, {u"street", kAddress1, 1},
    {u"streetaddress", kAddress1, 1}, {u"strasse", kAddress1, 1}, {u"straße", kAddress1, 1},
    {u"strasseundhausnummer", kAddress1, 1}, {u"straßeundhausnummer", kAddress1, 1},
    {u"adresse", kAddress1, 1}, {u"anschrift", kAddress1, 1}, {u"rue", kAddress1, 1},
    {u"adresse1", kAddress1, 1}, {u"indirizzo", kAddress1, 1}, {u"via", kAddress1, 1},
    {u"direccion", kAddress1, 1}, {u"calle", kAddress1, 1}, {u"domicilio", kAddress1, 1},
    {u"homestreet", kAddress1, 2}, {u"homeaddress", kAddress1, 2},
    {u"businessstreet2", kAddress2}, {u"workaddress2", kAddress2},
    {u"address1extendedaddress", kAddress2}, {u"addressline2", kAddress2},
    {u"address2", kAddress2}, {u"street2", kAddress2}, {u"adresszusatz", kAddress2},
    {u"zusatz", kAddress2}, {u"complementdadresse", kAddress2}, {u"adresse2", kAddress2},
    {u"indirizzo2", kAddress2}, {u"direccion2", kAddress2}, {u"homestreet2", kAddress2, 2},
    {u"homeaddress2", kAddress2, 2},
    // City.
    {u"businesscity", kCity}, {u"workcity", kCity}, {u"address1city", kCity},
    {u"ortgeschaftlich", kCity}, {u"villebureau", kCity}, {u"citystateprovince", kCity},
    {u"city", kCity, 1}, {u"town", kCity, 1}, {u"citystate", kCity, 1},
    {u"locality", kCity, 1}, {u"ort", kCity, 1}, {u"stadt", kCity, 1}, {u"wohnort", kCity, 1},
    {u"ville", kCity, 1}, {u"localite", kCity, 1}, {u"citta", kCity, 1},
    {u"comune", kCity, 1}, {u"localita", kCity, 1}, {u"ciudad", kCity, 1},
    {u"localidad", kCity, 1}, {u"poblacion", kCity, 1}, {u"municipio", kCity, 1},
    {u"homecity", kCity, 2},
    // Postal code.
    {u"businesspostalcode", kZip}, {u"workzipcode", kZip}, {u"address1postalcode", kZip},
    {u"postleitzahlgeschaftlich", kZip}, {u"codepostalbureau", kZip}, {u"zippostalcode", kZip},
    {u"zip", kZip, 1}, {u"zipcode", kZip, 1}, {u"postcode", kZip, 1},
    {u"postalcode", kZip, 1}, {u"plz", kZip, 1}, {u"postleitzahl", kZip, 1},
    {u"codepostal", kZip, 1}, {u"cp", kZip, 1}, {u"cap", kZip, 1},
    {u"codicepostale", kZip, 1}, {u"codigopostal", kZip, 1}, {u"homepostalcode", kZip, 2},
    {u"homezipcode", kZip, 2},
    // E-mail.
    {u"emailaddress", kEmail}, {u"email", kEmail}, {u"mail", kEmail},
    {u"primaryemail", kEmail}, {u"email1value", kEmail}, {u"emailadresse", kEmail},
    {u"courriel", kEmail}, {u"adresseemail", kEmail}, {u"adressedemessagerie", kEmail},
    {u"postaelettronica", kEmail}, {u"indirizzoemail", kEmail}, {u"correo", kEmail},
    {u"correoelectronico", kEmail},
    // Web site.
    {u"websiteaddress", kWebsite}, {u"website", kWebsite}, {u"web", kWebsite},
    {u"url", kWebsite}, {u"homepage", kWebsite}, {u"webpage", kWebsite},
    {u"webpage1", kWebsite}, {u"website1value", kWebsite}, {u"webseite", kWebsite},
    {u"internet", kWebsite}, {u"internetadresse", kWebsite}, {u"pageweb", kWebsite},
    {u"siteweb", kWebsite}, {u"siteinternet", kWebsite}, {u"sitoweb", kWebsite},
    {u"sito", kWebsite}, {u"sitioweb", kWebsite}, {u"paginaweb", kWebsite},
    // Phones: the office's first, the mobile second.
    {u"businessphone", kPhone1}, {u"workphone", kPhone1}, {u"officephone", kPhone1},
    {u"phonenumber1", kPhone1}, {u"phone1", kPhone1}, {u"phone1value", kPhone1},
    {u"telefongeschaftlich", kPhone1}, {u"telephonebureau", kPhone1},
    {u"telephoneprofessionnel", kPhone1}, {u"telefonoufficio", kPhone1},
    {u"telefonolavoro", kPhone1}, {u"telefonotrabajo", kPhone1}, {u"phone", kPhone1, 1},
    {u"phonenumber", kPhone1, 1}, {u"tel", kPhone1, 1}, {u"telephone", kPhone1, 1},
    {u"telefon", kPhone1, 1}, {u"telefonnummer", kPhone1, 1}, {u"festnetz", kPhone1, 1},
    {u"telephonefixe", kPhone1, 1}, {u"telefono", kPhone1, 1}, {u"homephone", kPhone1, 2},
    {u"telefonprivat", kPhone1, 2}, {u"telephonedomicile", kPhone1, 2},
    {u"mobile", kPhone2}, {u"mobilephone", kPhone2}, {u"mobilenumber", kPhone2},
    {u"cell", kPhone2}, {u"cellphone", kPhone2}, {u"phonenumber2", kPhone2},
    {u"phone2", kPhone2}, {u"phone2value", kPhone2}, {u"telephone2", kPhone2},
    {u"mobil", kPhone2}, {u"mobiltelefon", kPhone2}, {u"handy", kPhone2},
    {u"mobilnummer", kPhone2}, {u"handynummer", kPhone2}, {u"portable", kPhone2},
    {u"telmobile", kPhone2}, {u"telephoneportable", kPhone2}, {u"telephonemobile", kPhone2},
    {u"cellulare", kPhone2}, {u"telefonocellulare", kPhone2}, {u"movil", kPhone2},
    {u"celular", kPhone2}, {u"telefonomovil", kPhone2}, {u"businessphone2", kPhone2, 1},
    {u"workphone2", kPhone2, 1},
};
// clang-format on

QString Folded(const QString& header) {
  QString folded;
  for (const QChar c : header.normalized(QString::NormalizationForm_D)) {
    if (c.isLetterOrNumber()) folded.append(c.toLower());
  }
  return folded;
}

const Alias* AliasOf(const QString& header) {
  // Looked up by hash: a data file may have a million columns.
  static const QHash<QString, const Alias*> kByName = [] {
    QHash<QString, const Alias*> byName;
    for (const Alias& alias : kAliases) byName.insert(QString::fromUtf16(alias.folded), &alias);
    return byName;
  }();
  if (header.isEmpty()) return nullptr;
  return kByName.value(Folded(header), nullptr);
}

std::optional<int> ColumnNamed(const QStringList& columns, const QString& wanted) {
  bool number = false;
  const int index = wanted.trimmed().toInt(&number);
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

// The best column seen for one field or part of the Name.
struct Best {
  int column = -1;
  int rank = 0;
  void Offer(int candidate, int candidateRank) {
    if (column < 0 || candidateRank < rank) {
      column = candidate;
      rank = candidateRank;
    }
  }
  explicit operator bool() const { return column >= 0; }
};

}  // namespace

std::optional<int> FieldMapping::FieldOf(int column) const {
  for (size_t f = 0; f < columnsOfField.size(); ++f) {
    if (std::ranges::find(columnsOfField[f], column) != columnsOfField[f].end()) {
      return static_cast<int>(f);
    }
  }
  return std::nullopt;
}

void FieldMapping::Assign(int column, std::optional<int> field) {
  for (std::vector<int>& columns : columnsOfField) std::erase(columns, column);
  if (field) columnsOfField[static_cast<size_t>(*field)].push_back(column);
}

std::optional<int> FieldForHeader(const QString& header) {
  const Alias* alias = AliasOf(header);
  if (alias == nullptr) return std::nullopt;
  return alias->field;
}

FieldMapping MappingByHeader(const QStringList& columns) {
  std::array<Best, kContactFieldCount> best{};
  Best given;
  Best middle;
  Best family;
  for (qsizetype i = 0; i < columns.size(); ++i) {
    const Alias* alias = AliasOf(columns[i]);
    if (alias == nullptr) continue;
    const int column = static_cast<int>(i);
    switch (alias->part) {
      case Part::kWhole:
        best[static_cast<size_t>(alias->field)].Offer(column, alias->rank);
        break;
      case Part::kGiven:
        given.Offer(column, alias->rank);
        break;
      case Part::kMiddle:
        middle.Offer(column, alias->rank);
        break;
      case Part::kFamily:
        family.Offer(column, alias->rank);
        break;
    }
  }
  FieldMapping mapping;
  for (size_t f = 0; f < best.size(); ++f) {
    if (best[f]) mapping.columnsOfField[f] = {best[f].column};
  }
  const Best whole = best[kName];
  if (given && !(whole && family)) {
    // "Vorname" beside "Name": the name column holds the family name.
    const Best last = family ? family : whole;
    std::vector<int>& name = mapping.columnsOfField[kName];
    name = {given.column};
    if (middle) name.push_back(middle.column);
    if (last) name.push_back(last.column);
  } else if (!whole && family) {
    mapping.columnsOfField[kName] = {family.column};
  }
  if (mapping.columnsOfField[kPhone1].empty()) {
    std::swap(mapping.columnsOfField[kPhone1], mapping.columnsOfField[kPhone2]);
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
  const QString columnNames = QString::fromStdString(assignment.substr(equals + 1));
  const std::optional<int> field = FieldForHeader(fieldName);
  if (!field) {
    return Failure{
        TrMessage("'%1' is not a field; the fields are Company Name, Name, Title, Address Line 1, "
                  "Address Line 2, City, Zip, Email, Website, Phone 1 and Phone 2.",
                  PrintableName(fieldName.toStdString()))};
  }
  std::vector<int> chosen;
  if (const std::optional<int> whole = ColumnNamed(columns, columnNames)) {
    chosen.push_back(*whole);
  } else {
    for (const QString& name : columnNames.split(u'+')) {
      const std::optional<int> column = ColumnNamed(columns, name.trimmed());
      if (!column) {
        return Failure{
            TrMessage("the data has no column '%1'.", PrintableName(name.trimmed().toStdString()))};
      }
      chosen.push_back(*column);
    }
  }
  mapping.columnsOfField[static_cast<size_t>(*field)].clear();
  for (const int column : chosen) mapping.Assign(column, field);
  return {};
}

std::vector<UnusedColumn> UnusedColumns(const FieldMapping& mapping, const QStringList& columns) {
  std::vector<bool> used(static_cast<size_t>(columns.size()), false);
  for (const std::vector<int>& fieldColumns : mapping.columnsOfField) {
    for (const int column : fieldColumns) {
      if (column >= 0 && column < columns.size()) used[static_cast<size_t>(column)] = true;
    }
  }
  std::vector<UnusedColumn> unused;
  for (qsizetype i = 0; i < columns.size(); ++i) {
    if (used[static_cast<size_t>(i)]) continue;
    const std::optional<int> field = FieldForHeader(columns[i]);
    UnusedReason reason = UnusedReason::kNoFieldName;
    if (field) {
      reason = mapping.columnsOfField[static_cast<size_t>(*field)].empty()
                   ? UnusedReason::kLeftOut
                   : UnusedReason::kFieldElsewhere;
    }
    unused.push_back(UnusedColumn{static_cast<int>(i), reason, field.value_or(-1)});
  }
  return unused;
}

QString ColumnTitle(const QStringList& columns, int column) {
  const QString header = column >= 0 && column < columns.size() ? columns[column] : QString();
  return header.isEmpty() ? Tr("column %1").arg(column + 1) : header;
}

QString ColumnsText(const std::vector<int>& chosen, const QStringList& columns) {
  QStringList titles;
  for (const int column : chosen) {
    titles.push_back(QStringLiteral("\u201C%1\u201D").arg(ColumnTitle(columns, column)));
  }
  return titles.join(QStringLiteral(" + "));
}

QString UnusedText(const UnusedColumn& unused, const FieldMapping& mapping,
                   const QStringList& columns) {
  if (unused.field < 0 || unused.reason == UnusedReason::kNoFieldName) {
    const bool named =
        unused.column >= 0 && unused.column < columns.size() && !columns[unused.column].isEmpty();
    return named ? Tr("no field of the card has this name") : Tr("the column has no name");
  }
  const QString field = Tr(kFieldNames[static_cast<size_t>(unused.field)].label);
  if (unused.reason == UnusedReason::kLeftOut)
    return Tr("left out; it would fill the %1").arg(field);
  return Tr("the %1 comes from %2")
      .arg(field, ColumnsText(mapping.columnsOfField[static_cast<size_t>(unused.field)], columns));
}

}  // namespace tavolo
