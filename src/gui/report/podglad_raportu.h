// The report preview: an editable text of plain lines that can be printed or saved as Rich
// Text. The tips window is the same window with its own caption and text.
#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QFileDialog;
class QPrinter;
class QPushButton;
class QTextDocument;
class QTextEdit;

namespace vyn::gui {

class TFormRaportPodglad : public QDialog {
    Q_OBJECT
  public:
    explicit TFormRaportPodglad(QWidget* rodzic = nullptr);
    ~TFormRaportPodglad() override;

    // Replaces caption and text; lines are UTF-8.
    void UstawTekst(const QString& podpis, const std::vector<std::string>& linie);

    // Podgld1Click's window part: "Podgląd Raportu", shown in front, the report's lines.
    void PokazRaport(const std::vector<std::string>& linie);

    // Wskazwki1Click: the tips under their caption, shown in front.
    void PokazWskazowki();

    // The text as it now stands, edits included, one entry per line.
    QStringList Linie() const;

    // The text laid out over the printable area of the printer's pages.
    std::unique_ptr<QTextDocument> DokumentWydruku(QPrinter& drukarka) const;

    // Prints the text as one job named "VYN dla Windows"; false when the printer failed.
    bool Drukuj(QPrinter& drukarka) const;

    // Writes the text as Rich Text, whatever the extension; the message of a failure.
    std::optional<QString> ZapiszRtf(const QString& sciezka) const;

    void BitBtn3Click(); // "&Drukuj ...": the print dialog, then Drukuj
    void BitBtn2Click(); // "Zapi&sz jako ...": the save dialog, then ZapiszRtf

  private:
    void Pokaz();

    QTextEdit* RichEdit1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn3;
    QPushButton* BitBtn2;
    QFileDialog* SaveDialog1;
    std::unique_ptr<QPrinter> drukarka_; // kept so that the printer chosen last stays chosen
};

} // namespace vyn::gui
