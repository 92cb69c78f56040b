// SPDX-License-Identifier: GPL-3.0-or-later
#include "mesure/Classeur.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <clocale>
#include <string>

namespace mesure {
namespace {

lxw_color_t CouleurXlsx(kit::Rgb rgb) {
    return (lxw_color_t{rgb.r} << 16) | (lxw_color_t{rgb.g} << 8) | rgb.b;
}

lxw_format* FormatNombres(lxw_workbook* classeur, int decimales) {
    lxw_format* format = workbook_add_format(classeur);
    // A spreadsheet shows it with the decimal separator of its own language.
    const QByteArray code = "0." + QByteArray(decimales, '0');
    format_set_num_format(format, code.constData());
    return format;
}

void EcritDonnees(lxw_workbook* classeur, lxw_worksheet* feuille,
                  const std::vector<Colonne>& colonnes) {
    lxw_format* gras = workbook_add_format(classeur);
    format_set_bold(gras);
    for (size_t c = 0; c < colonnes.size(); ++c) {
        const Colonne& colonne = colonnes[c];
        const auto col = static_cast<lxw_col_t>(c);
        worksheet_write_string(feuille, 0, col, colonne.entete.toUtf8().constData(), gras);
        worksheet_set_column(feuille, col, col, 11, nullptr);
        lxw_format* format = FormatNombres(classeur, colonne.decimales);
        for (size_t r = 0; r < colonne.valeurs.size(); ++r)
            if (colonne.valeurs[r])
                worksheet_write_number(feuille, static_cast<lxw_row_t>(r + 1), col,
                                       *colonne.valeurs[r], format);
    }
}

// A series for every column of a sheet but its first, against the first.
void AjouteSeries(lxw_chart* graphique, const QString& feuille,
                  const std::vector<Colonne>& colonnes) {
    const auto lignes = static_cast<lxw_row_t>(colonnes.front().valeurs.size());
    const QByteArray nomFeuille = feuille.toUtf8();
    for (size_t c = 1; c < colonnes.size(); ++c) {
        const Colonne& colonne = colonnes[c];
        lxw_chart_series* serie = chart_add_series(graphique, nullptr, nullptr);
        const auto col = static_cast<lxw_col_t>(c);
        chart_series_set_categories(serie, nomFeuille.constData(), 1, 0, std::max(lignes, 1u), 0);
        chart_series_set_values(serie, nomFeuille.constData(), 1, col, std::max(lignes, 1u), col);
        chart_series_set_name(serie, colonne.entete.toUtf8().constData());
        lxw_chart_line trait{};
        trait.color = CouleurXlsx(colonne.couleur);
        trait.width = 1.5;
        chart_series_set_line(serie, &trait);
    }
}

void EcritGraphique(lxw_workbook* classeur, lxw_worksheet* feuille, const Tableau& t) {
    lxw_chart* graphique = workbook_add_chart(classeur, LXW_CHART_SCATTER_STRAIGHT);
    AjouteSeries(graphique, t.feuille, t.colonnes);
    for (const FeuilleAnnexe& annexe : t.annexes)
        AjouteSeries(graphique, annexe.nom, annexe.colonnes);
    chart_title_set_name(graphique, t.titre.toUtf8().constData());
    for (auto [axe, reglage] : {std::pair{graphique->x_axis, &t.x}, {graphique->y_axis, &t.y}}) {
        chart_axis_set_name(axe, reglage->nom.toUtf8().constData());
        chart_axis_set_min(axe, reglage->min);
        chart_axis_set_max(axe, reglage->max);
        chart_axis_set_major_unit(axe, reglage->pas);
        chart_axis_major_gridlines_set_visible(axe, LXW_TRUE);
    }
    chart_legend_set_position(graphique, LXW_CHART_LEGEND_BOTTOM);
    lxw_chart_options taille{};
    taille.x_scale = 2;
    taille.y_scale = 1.5;
    worksheet_insert_chart_opt(feuille, 1, static_cast<lxw_col_t>(t.colonnes.size() + 1), graphique,
                               &taille);
}

// A name and its value per row, from a column on.
void EcritReglages(lxw_worksheet* feuille, const Reglages& reglages, lxw_col_t colonne) {
    worksheet_set_column(feuille, colonne, colonne, 34, nullptr);
    worksheet_set_column(feuille, colonne + 1, colonne + 1, 14, nullptr);
    for (size_t r = 0; r < reglages.size(); ++r) {
        const auto& [nom, valeur] = reglages[r];
        const auto ligne = static_cast<lxw_row_t>(r);
        worksheet_write_string(feuille, ligne, colonne, nom.toUtf8().constData(), nullptr);
        if (valeur.typeId() == QMetaType::Double)
            worksheet_write_number(feuille, ligne, colonne + 1, valeur.toDouble(), nullptr);
        else
            worksheet_write_string(feuille, ligne, colonne + 1,
                                   valeur.toString().toUtf8().constData(), nullptr);
    }
}

// Debian's libxlsxwriter writes its numbers with printf, in the C library's locale, which
// Qt sets from the system's: under a French one the workbook's XML would read "0,5". The
// C locale's numbers while the workbook is written, and the caller's again after.
class NombresDuC {
public:
    NombresDuC() : avant_(std::setlocale(LC_NUMERIC, nullptr)) { std::setlocale(LC_NUMERIC, "C"); }
    ~NombresDuC() { std::setlocale(LC_NUMERIC, avant_.c_str()); }
    NombresDuC(const NombresDuC&) = delete;
    NombresDuC& operator=(const NombresDuC&) = delete;

private:
    std::string avant_;
};

} // namespace

std::optional<QByteArray> Classeur(const Tableau& tableau, QString& raison) {
    // The library writes to a path; the bytes then go through the one routine that writes
    // files, as every other file does.
    QTemporaryFile temporaire;
    if (!temporaire.open()) {
        raison = QCoreApplication::translate("mesure", "aucun fichier temporaire possible");
        return std::nullopt;
    }
    temporaire.close();
    const NombresDuC nombres;
    lxw_workbook* classeur = workbook_new(QFile::encodeName(temporaire.fileName()).constData());
    if (!classeur) {
        raison = QCoreApplication::translate("mesure", "aucun fichier temporaire possible");
        return std::nullopt;
    }
    lxw_worksheet* feuille = workbook_add_worksheet(classeur, tableau.feuille.toUtf8().constData());
    EcritDonnees(classeur, feuille, tableau.colonnes);
    if (tableau.colonnes.size() > 1)
        EcritGraphique(classeur, feuille, tableau);
    for (const FeuilleAnnexe& annexe : tableau.annexes) {
        lxw_worksheet* feuilleAnnexe =
            workbook_add_worksheet(classeur, annexe.nom.toUtf8().constData());
        EcritDonnees(classeur, feuilleAnnexe, annexe.colonnes);
        EcritReglages(feuilleAnnexe, annexe.reglages,
                      static_cast<lxw_col_t>(annexe.colonnes.size() + 1));
    }
    EcritReglages(workbook_add_worksheet(classeur, tableau.feuilleReglages.toUtf8().constData()),
                  tableau.reglages, 0);
    if (const lxw_error erreur = workbook_close(classeur); erreur != LXW_NO_ERROR) {
        raison = QCoreApplication::translate("mesure", "le classeur n'a pas pu être écrit (%1)")
                     .arg(QString::fromUtf8(lxw_strerror(erreur)));
        return std::nullopt;
    }
    QFile fichier(temporaire.fileName());
    if (!fichier.open(QIODevice::ReadOnly)) {
        raison = QCoreApplication::translate("mesure", "aucun fichier temporaire possible");
        return std::nullopt;
    }
    return fichier.readAll();
}

} // namespace mesure
