#include "desktop/desktop_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTextStream>
#include <QXmlStreamWriter>
#include <cstdio>

#include "scene/pictures.h"
#include "shell/identity.h"
#include "shell/translations.h"

namespace desktop {

namespace {

// The menu entry's texts; the comment is also the metainfo's summary. The search words are a
// list, each ended by a semicolon, in the translation too.
const char* const kGenericName =
    QT_TRANSLATE_NOOP("Desktop", "Катушка, конденсатор, резистор в цепи переменного тока");
const char* const kComment =
    QT_TRANSLATE_NOOP("Desktop",
                      "Катушка, конденсатор и резистор в цепи переменного тока: демонстрация для "
                      "урока физики");
const char* const kKeywords = QT_TRANSLATE_NOOP(
    "Desktop", "катушка;индуктивность;конденсатор;ёмкость;резистор;сопротивление;переменный ток;");

// What a software centre shows of the program, paragraph by paragraph.
const char* const kDescription[] = {
    QT_TRANSLATE_NOOP("Desktop",
                      "Velmora показывает классу на проекторе, как катушка ведёт себя в цепи "
                      "переменного тока. Генератор подаёт на катушку напряжение u = U·cos ωt; ток "
                      "через катушку, i = U/(ωL)·sin ωt, отстаёт от напряжения на четверть "
                      "периода, а мощность u·i колеблется около нуля с удвоенной частотой "
                      "генератора: катушка берёт энергию у генератора и всю отдаёт обратно."),
    QT_TRANSLATE_NOOP("Desktop",
                      "Пока идёт демонстрация, провода раскаляются от белого до красного вместе с "
                      "током, заряды бегут по цепи туда и обратно, стрелки вольтметра и "
                      "амперметра качаются, а напряжение, ток и мощность чертятся графиками во "
                      "времени."),
    QT_TRANSLATE_NOOP("Desktop",
                      "Вместо катушки в цепь можно поставить конденсатор, ток через который "
                      "опережает напряжение на четверть периода, или резистор, ток через который "
                      "идёт в ногу с напряжением, а мощность не бывает меньше нуля, и сравнить "
                      "токи всех трёх на одном графике и на векторной диаграмме."),
    QT_TRANSLATE_NOOP("Desktop",
                      "Ползунки задают частоту и амплитуду генератора и величину элемента, "
                      "также во время демонстрации. Окно по-русски, а с параметром --lang en "
                      "по-английски."),
};

// Russian is the program's own language; the entries without a language are English, as the
// desktop shows them to every language that has no translation of its own.
constexpr char kRussian[] = "ru";

QString id() {
    return QString::fromLatin1(identity::kApplicationId);
}

QString english(const Translations& translations, const char* text) {
    return translations.translate("Desktop", text);
}

QString russian(const char* text) {
    return QString::fromUtf8(text);
}

bool write(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit()) {
        std::fprintf(stderr, "velmora_desktop_files: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

QString desktopEntry(const Translations& translations) {
    QString entry;
    QTextStream out(&entry);
    auto both = [&](const char* key, const char* text) {
        out << key << '=' << english(translations, text) << '\n';
        out << key << '[' << kRussian << "]=" << russian(text) << '\n';
    };
    out << "[Desktop Entry]\n"
        << "Type=Application\n"
        << "Name=" << identity::kName << '\n';
    both("GenericName", kGenericName);
    both("Comment", kComment);
    both("Keywords", kKeywords);
    out << "Icon=" << id() << '\n'
        << "Exec=velmora\n"
        << "Terminal=false\n"
        << "Categories=Education;Science;Physics;\n"
        << "StartupNotify=true\n"
        // The window's class on X11 is the application's name.
        << "StartupWMClass=" << identity::kName << '\n';
    return entry;
}

QByteArray metainfo(const Translations& translations, QDate release) {
    QByteArray xml;
    QXmlStreamWriter out(&xml);
    out.setAutoFormatting(true);
    out.setAutoFormattingIndent(2);
    auto both = [&](const char* element, const char* text) {
        out.writeTextElement(QString::fromLatin1(element), english(translations, text));
        out.writeStartElement(QString::fromLatin1(element));
        out.writeAttribute(QStringLiteral("xml:lang"), QString::fromLatin1(kRussian));
        out.writeCharacters(russian(text));
        out.writeEndElement();
    };
    out.writeStartDocument();
    out.writeStartElement(QStringLiteral("component"));
    out.writeAttribute(QStringLiteral("type"), QStringLiteral("desktop-application"));
    out.writeTextElement(QStringLiteral("id"), id());
    out.writeTextElement(QStringLiteral("metadata_license"), QStringLiteral("CC0-1.0"));
    out.writeTextElement(QStringLiteral("project_license"), QStringLiteral("MIT"));
    // A name, the same in every language.
    out.writeTextElement(QStringLiteral("name"), QString::fromLatin1(identity::kName));
    both("summary", kComment);
    out.writeStartElement(QStringLiteral("description"));
    for (const char* paragraph : kDescription) {
        both("p", paragraph);
    }
    out.writeEndElement();
    out.writeStartElement(QStringLiteral("launchable"));
    out.writeAttribute(QStringLiteral("type"), QStringLiteral("desktop-id"));
    out.writeCharacters(id() + QStringLiteral(".desktop"));
    out.writeEndElement();
    out.writeStartElement(QStringLiteral("provides"));
    out.writeTextElement(QStringLiteral("binary"), QStringLiteral("velmora"));
    out.writeEndElement();
    // No violence, no talk, no money, no data: every attribute of the rating is "none".
    out.writeEmptyElement(QStringLiteral("content_rating"));
    out.writeAttribute(QStringLiteral("type"), QStringLiteral("oars-1.1"));
    out.writeStartElement(QStringLiteral("releases"));
    out.writeEmptyElement(QStringLiteral("release"));
    out.writeAttribute(QStringLiteral("version"), identity::version());
    out.writeAttribute(QStringLiteral("date"), release.toString(Qt::ISODate));
    out.writeEndElement();
    out.writeEndElement();
    out.writeEndDocument();
    return xml;
}

QByteArray scalableIcon() {
    constexpr int kSize = 256;
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(kSize, kSize));
    generator.setViewBox(QRect(0, 0, kSize, kSize));
    generator.setTitle(QString::fromLatin1(identity::kName));
    generator.setDescription(
        QStringLiteral("A coil and a red sine wave above a navy band bearing a white L"));
    QPainter painter(&generator);
    // The icon has no text, but every group of the file names a font: a valid one.
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(16);
    painter.setFont(font);
    scene::paintIcon(painter, kSize);
    painter.end();
    return svg.data();
}

}  // namespace

bool writeDesktopFiles(const QString& shareDir, QDate release) {
    const Translations translations(QStringLiteral("en"));
    const QDir share(shareDir);
    const QString icons = share.filePath(QStringLiteral("icons/hicolor"));
    bool written =
        write(share.filePath(QStringLiteral("applications/%1.desktop").arg(id())),
              desktopEntry(translations).toUtf8()) &&
        write(share.filePath(QStringLiteral("metainfo/%1.metainfo.xml").arg(id())),
              metainfo(translations, release)) &&
        write(QStringLiteral("%1/scalable/apps/%2.svg").arg(icons, id()), scalableIcon());
    for (const int size : scene::kIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        scene::iconImage(size).save(&buffer, "PNG");
        written = written &&
                  write(QStringLiteral("%1/%2x%2/apps/%3.png").arg(icons).arg(size).arg(id()), png);
    }
    return written;
}

}  // namespace desktop
