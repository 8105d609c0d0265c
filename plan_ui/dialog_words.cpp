#include "plan_ui/dialog_words.h"

#include <QCoreApplication>

#include <array>

namespace tarvanel {

namespace {

struct Word {
    const char* english;
    const char* greek;
};

// The file dialog's, its file list's (QFileSystemModel, whose types come from
// QAbstractFileIconProvider) and the standard buttons' (QPlatformTheme) words.
constexpr auto kWords = std::to_array<Word>({
    {"Look in:", "Φάκελος:"},
    {"File &name:", "Ό&νομα αρχείου:"},
    {"Files of type:", "Τύπος αρχείων:"},
    {"Directory:", "Φάκελος:"},
    {"Back", "Πίσω"},
    {"Go back", "Μετάβαση πίσω"},
    {"Forward", "Εμπρός"},
    {"Go forward", "Μετάβαση εμπρός"},
    {"Parent Directory", "Γονικός φάκελος"},
    {"Go to the parent directory", "Μετάβαση στον γονικό φάκελο"},
    {"Create New Folder", "Νέος φάκελος"},
    {"Create a New Folder", "Δημιουργία νέου φακέλου"},
    {"List View", "Λίστα"},
    {"Change to list view mode", "Προβολή ως λίστα"},
    {"Detail View", "Λεπτομέρειες"},
    {"Change to detail view mode", "Προβολή με λεπτομέρειες"},
    {"Sidebar", "Τοποθεσίες"},
    {"List of places and bookmarks", "Τοποθεσίες και σελιδοδείκτες"},
    {"Files", "Αρχεία"},
    {"Recent Places", "Πρόσφατες τοποθεσίες"},
    {"&Rename", "&Μετονομασία"},
    {"&Delete", "&Διαγραφή"},
    {"Show &hidden files", "Εμφάνιση &κρυφών αρχείων"},
    {"&New Folder", "&Νέος φάκελος"},
    {"New Folder", "Νέος φάκελος"},
    {"Are you sure you want to delete '%1'?", "Να διαγραφεί το «%1»;"},
    {"Could not delete directory.", "Ο φάκελος δεν διαγράφηκε."},
    {"%1\nFile not found.\nPlease verify the correct file name was given.",
     "%1\nΤο αρχείο δεν βρέθηκε.\nΕλέγξτε το όνομα."},
    {"%1\nDirectory not found.\nPlease verify the correct directory name was given.",
     "%1\nΟ φάκελος δεν βρέθηκε.\nΕλέγξτε το όνομα."},
    {"Open", "Άνοιγμα"},
    {"&Open", "Ά&νοιγμα"},
    {"Save", "Αποθήκευση"},
    {"&Save", "&Αποθήκευση"},
    {"&Choose", "&Επιλογή"},
    {"Cancel", "Άκυρο"},
    {"OK", "Εντάξει"},
    {"&OK", "&Εντάξει"},
    {"&Yes", "&Ναι"},
    {"&No", "&Όχι"},
    {"Name", "Όνομα"},
    {"Size", "Μέγεθος"},
    {"Type", "Τύπος"},
    {"Date Modified", "Τροποποίηση"},
    {"Computer", "Υπολογιστής"},
    {"Folder", "Φάκελος"},
    {"File Folder", "Φάκελος"},
    {"File", "Αρχείο"},
    {"%1 File", "Αρχείο %1"},
    {"Drive", "Μονάδα δίσκου"},
    {"Unknown", "Άγνωστο"},
});

} // namespace

DialogWords::DialogWords() {
    QCoreApplication::installTranslator(this);
}

DialogWords::~DialogWords() {
    QCoreApplication::removeTranslator(this);
}

QString DialogWords::translate(const char* context, const char* source, const char*, int) const {
    static constexpr std::array<const char*, 4> kContexts{
        "QFileDialog", "QFileSystemModel", "QAbstractFileIconProvider", "QPlatformTheme"};
    bool known = false;
    for (const char* name : kContexts)
        known = known || qstrcmp(context, name) == 0;
    if (!known) return {};
    for (const Word& word : kWords)
        if (qstrcmp(source, word.english) == 0) return QString::fromUtf8(word.greek);
    return {};
}

} // namespace tarvanel
