<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisk</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisk</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Stasjon</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>Filmappe</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Mappe</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>macOS Finder</comment>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Snarvei</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukjent</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Merk alt</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Opp ett trinn</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Ned ett trinn</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Executable '%1' requires Qt %2, found Qt %3.</source>
        <translation>Programmet «%1» krever Qt %2, men fant Qt %3.</translation>
    </message>
    <message>
        <source>Incompatible Qt Library Error</source>
        <translation>Feil: Qt-biblioteket passer ikke</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Hu&amp;e:</source>
        <translation>&amp;Fargetone:</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>&amp;Metning:</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>&amp;Lyshet:</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rød:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Grønn:</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>&amp;Blå:</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>&amp;Alfakanal:</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Markør ved %1, %2
Trykk Esc for å avbryte</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Velg farge</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>&amp;Grunnfarger</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>&amp;Egendefinerte farger</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>&amp;Legg til egendefinerte farger</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>&amp;Hent farge fra skjermen</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Åpne listen med valg</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Usann</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Sann</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Jobb</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Jobbstyring</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Planlagt utskrift:</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Faktureringsinformasjon:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Jobbprioritet:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Forsider</translation>
    </message>
    <message>
        <source>End:</source>
        <comment>Banner page at end</comment>
        <translation>Slutt:</translation>
    </message>
    <message>
        <source>Start:</source>
        <comment>Banner page at start</comment>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Skriv ut straks</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Hold tilbake på ubestemt tid</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Dag (06.00 til 17.59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Natt (18.00 til 05.59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Andre skift (16.00 til 23.59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Tredje skift (00.00 til 07.59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Helg (lørdag til søndag)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Bestemt tidspunkt</translation>
    </message>
    <message>
        <source>None</source>
        <comment>CUPS Banner page</comment>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>CUPS Banner page</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <comment>CUPS Banner page</comment>
        <translation>Ugradert</translation>
    </message>
    <message>
        <source>Confidential</source>
        <comment>CUPS Banner page</comment>
        <translation>Fortrolig</translation>
    </message>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>Gradert</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Hemmelig</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Strengt hemmelig</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Du må logge på for å bruke %1 på %2.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Du må logge på for å bruke %1.</translation>
    </message>
    <message>
        <source>Authentication Needed</source>
        <translation>Pålogging kreves</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Brukernavn:</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What's This?</source>
        <translation>Hva er dette?</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QErrorMessage</name>
    <message>
        <source>Debug Message:</source>
        <translation>Feilsøkingsmelding:</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Advarsel:</translation>
    </message>
    <message>
        <source>Critical Error:</source>
        <translation>Kritisk feil:</translation>
    </message>
    <message>
        <source>Fatal Error:</source>
        <translation>Alvorlig feil:</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Informasjon:</translation>
    </message>
    <message>
        <source>&amp;Show this message again</source>
        <translation>&amp;Vis denne meldingen igjen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Søk i:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå tilbake</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Fram</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Gå fram</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Overordnet mappe</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Gå til overordnet mappe</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Opprett ny mappe</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Opprett en ny mappe</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Listevisning</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Vis som liste</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detaljvisning</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Vis med detaljer</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sidestolpe</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Steder og bokmerker</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Filtype:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Finn mappe</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lagre som</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Mappe:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Fil&amp;navn:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Åpne</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Velg</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Gi nytt navn</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Vis &amp;skjulte filer</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Ny mappe</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Mapper</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Fant ikke mappen.
Kontroller at mappenavnet er riktig.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 finnes allerede.
Vil du erstatte den?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fant ikke filen.
Kontroller at filnavnet er riktig.</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ny mappe</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>«%1» er skrivebeskyttet.
Vil du slette den likevel?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Er du sikker på at du vil slette «%1»?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Kunne ikke slette mappen.</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Sist brukte steder</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Åpne bilde</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Bildefiler (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg)</source>
        <translation>Bilder (*.png *.xpm *.jpg)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Åpne fil</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Lagre fil</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Åpne mappe</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>Kind</source>
        <comment>Match OS X Finder</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Endret</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Min datamaskin</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Datamaskin</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Lukk uten å lagre</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>Skriv inn en verdi:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Vis detaljer...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Skjul detaljer...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Om Qt&lt;/h3&gt;&lt;p&gt;Dette programmet bruker Qt versjon %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Om Qt</translation>
    </message>
    <message>
        <source>My Application</source>
        <translation>Mitt program</translation>
    </message>
    <message>
        <source>The document has been modified.
Do you want to save your changes?</source>
        <translation>Dokumentet er endret.
Vil du lagre endringene?</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papir</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Papirstørrelse:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Bredde:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Høyde:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Papirkilde:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Retning</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggende</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Liggende, snudd</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Stående, snudd</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marger</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>toppmarg</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>venstre marg</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>høyre marg</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>bunnmarg</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Sideoppsett</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Siderekkefølge:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Sider per ark:</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Millimeter (mm)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Tommer (in)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Punkter (pt)</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Egendefinert</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Egendefinert (%1 mm × %2 mm)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Egendefinert (%1 pt × %2 pt)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Egendefinert (%1 in × %2 in)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Egendefinert (%1 pc × %2 pc)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Egendefinert (%1 DD × %2 DD)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Egendefinert (%1 CC × %2 CC)</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 × %2 in</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 × 10 in)</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 × 10,5 in)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8,27 × 13 in)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Egendefinert</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 ekstra</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 ekstra</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 pluss</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 liten</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 ekstra</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 ekstra</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal ekstra</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter ekstra</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter pluss</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter liten</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid ekstra</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Arkitekt A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Arkitekt B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Arkitekt C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Arkitekt D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Arkitekt E</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Postkort</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Dobbelt postkort</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K stor</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Listepapir USA (14,875 × 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Listepapir Tyskland (8,5 × 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Listepapir Tyskland Legal (8,5 × 13 in)</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Konvolutt B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Konvolutt B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Konvolutt B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Konvolutt C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Konvolutt C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Konvolutt C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Konvolutt C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Konvolutt C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Konvolutt C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Konvolutt C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Konvolutt C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Konvolutt C7</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Konvolutt DL</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Konvolutt US 9</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Konvolutt US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Konvolutt US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Konvolutt US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Konvolutt US 14</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Konvolutt Monarch</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Konvolutt Personal</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Konvolutt Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Konvolutt Chou 4</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Konvolutt Invite</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Konvolutt Italia</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Konvolutt Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Konvolutt Kaku 3</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Konvolutt PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Konvolutt PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Konvolutt PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Konvolutt PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Konvolutt PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Konvolutt PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Konvolutt PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Konvolutt PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Konvolutt PRC 9</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Konvolutt PRC 10</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Konvolutt You 4</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Lagre alle</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja til &amp;alle</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nei</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ei til alle</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Forkast</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Gjenopprett standardverdier</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Venstre til høyre, topp til bunn</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Venstre til høyre, bunn til topp</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Høyre til venstre, bunn til topp</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Høyre til venstre, topp til bunn</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Bunn til topp, venstre til høyre</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Bunn til topp, høyre til venstre</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Topp til bunn, venstre til høyre</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Topp til bunn, høyre til venstre</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1×1)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2×1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2×2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2×3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3×3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4×4)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Alle sider</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Oddetallssider</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Partallssider</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Valg &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Skriv ut</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Valg &lt;&lt;</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Ugyldig sideangivelse</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 er ikke skrevet riktig. Skill sider og sideområder med «,», angi områder med «-», og pass på at områdene ikke overlapper hverandre.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Motstridende innstillinger for tosidig utskrift</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Innstillingene for tosidig utskrift er motstridende. Vil du rette dem?</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Skriv til fil (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokal fil</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Skriv PDF-fil</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Skriv til fil ...</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 er en mappe.
Velg et annet filnavn.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Det går ikke an å skrive til filen %1.
Velg et annet filnavn.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 finnes allerede.
Vil du skrive over den?</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>Valgene «Sider per ark» og «Sideutvalg» kan ikke brukes sammen.
Slå av ett av dem.</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>Verdien «fra» kan ikke være større enn verdien «til».</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page Setup</source>
        <translation>Sideoppsett</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Neste side</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Forrige side</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Første side</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Siste side</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Tilpass bredden</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Tilpass siden</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Forstørr</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Forminsk</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggende</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Vis én side</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Vis motstående sider</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Vis oversikt over alle sider</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Sideoppsett</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Eksporter til PDF</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Skriveregenskaper</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Jobbvalg</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Motstridende sideoppsett</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Valgene for sideoppsett er motstridende. Vil du rette dem?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Motstridende avanserte valg</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Noen av de avanserte valgene er motstridende. Vil du rette dem?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansert</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Noen av valgene er motstridende. Rett dem.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Utskriftsområde</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Skriv ut alt</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Sider fra</translation>
    </message>
    <message>
        <source>to</source>
        <translation>til</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sider</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Angi sider eller sideområder skilt med komma. Et område angis med to tall skilt med bindestrek. For eksempel skriver 3,5-7,9 ut sidene 3, 5, 6, 7 og 9.</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Gjeldende side</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Utvalg</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Sideutvalg:</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Utskriftsinnstillinger</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopier:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Sorter</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Omvendt rekkefølge</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valg</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Fargemodus</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farge</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gråtoner</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Tosidig utskrift</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Innbinding langs langsiden</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Innbinding langs kortsiden</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Skriver</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Navn:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Egenskaper</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Plassering:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Utskrifts&amp;fil:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Rull hit</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Venstre kant</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Øverst</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Høyre kant</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Nederst</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>En side til venstre</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>En side opp</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>En side til høyre</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>En side ned</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Rull til venstre</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Rull opp</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Rull til høyre</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Rull ned</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Rull til venstre</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rull til høyre</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Venstre-til-høyre-merke</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Høyre-til-venstre-merke</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Sammenbinder uten bredde</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Skilletegn uten bredde</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Mellomrom uten bredde</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Start på venstre-til-høyre-innbygging</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Start på høyre-til-venstre-innbygging</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Start på venstre-til-høyre-overstyring</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Start på høyre-til-venstre-overstyring</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Avslutt retningsformatering</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Venstre-til-høyre-isolering</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Høyre-til-venstre-isolering</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Isolering etter første sterke tegn</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Avslutt retningsisolering</translation>
    </message>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Sett inn Unicode-kontrolltegn</translation>
    </message>
</context>
<context>
    <name>QWhatsThisAction</name>
    <message>
        <source>What's This?</source>
        <translation>Hva er dette?</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopier &amp;lenkeadresse</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
    </message>
</context>
</TS>
