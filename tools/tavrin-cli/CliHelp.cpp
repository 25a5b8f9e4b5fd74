#include "CliHelp.h"

#ifndef TAVRIN_VERSION
#define TAVRIN_VERSION "0"
#endif

namespace {

const char kExitText[] = "\nExit status: 0 done, 1 a device or file failure, 2 bad usage.\n";

const char kCompareExitText[] =
    "\nExit status: 0 the device holds what the file does, 3 it does not, 1 a device or file\n"
    "failure, 2 bad usage.\n";

const char kDayText[] = "DAY is a weekday's name or its first three letters, in any case (Monday, mon, MON).\n";

} // namespace

QString cliVersionText()
{
    return QStringLiteral("tavrin-cli " TAVRIN_VERSION);
}

QString cliOverviewHelp()
{
    return QStringLiteral(
               "Usage: tavrin-cli COMMAND [ARGUMENTS]\n"
               "The Tavrin program timer's schedule and device without a window.\n"
               "\n"
               "Commands:\n"
               "  show FILE [--day DAY]                               the schedule file as CSV\n"
               "  import CSV --to FILE [--remove-triggers]            a CSV into a schedule file\n"
               "  download FILE --port NAME (--days LIST|--all|--clear)  send weekdays to the device\n"
               "  upload --port NAME --to FILE [--days LIST|--all]    read weekdays from the device\n"
               "  clock --port NAME [--set \"DAY HH:MM:SS\"|--now]      read or set the device's clock\n"
               "  image FILE --day DAY [--hex]                        a weekday's device image\n"
               "  compare FILE --port NAME [--days LIST|--all]        the device's weekdays against the file\n"
               "  journal [--port NAME] [--last N]                    the journal of transfers\n"
               "  plan FILE [--from DATE] [--days N] [--port NAME] [--ics OUT]  the schedule each date plays\n"
               "  sync FILE --port NAME [--from DATE] [--dry-run]     send the weekdays the days ahead need\n"
               "  print FILE --pdf OUT [--days LIST] [--programs] [--calendar]  the week on paper, as PDF\n"
               "  calendar FILE list|add|remove N|import ICS          the calendar's dates and their programs\n"
               "  bells-off FILE --port NAME [--until DATE]           no bells from today, sent at once\n"
               "  bells-on FILE --port NAME                           today's bells back, sent at once\n"
               "  site [--site FILE]                                  the site's devices and their state\n"
               "\n"
               "sync, clock and compare take --site [FILE] [--device NAME]... instead of a file and a\n"
               "port: every device of the site file (~/.config/tavrin/site.ini unless FILE names one,\n"
               "one group per device with its port= and schedule=) runs at once, each line of output\n"
               "after the device's name and a colon. Exit status 0 when every device succeeded, 1 when\n"
               "any failed (compare: 3 when any differs).\n"
               "\n"
               "A port NAME is a serial device (/dev/ttyUSB0, /dev/serial/by-id/..., COM3), or a serial\n"
               "line behind a network address: socket://HOST:PORT (raw TCP) or rfc2217://HOST:PORT\n"
               "(telnet with RFC 2217), HOST a name, an IPv4 or a bracketed IPv6 address.\n"
               "\n"
               "Options:\n"
               "  --help     show this text\n"
               "  --version  show the version\n"
               "\n"
               "'tavrin-cli COMMAND --help' tells more of each.\n")
        + QLatin1String(kExitText);
}

QString cliHelp(const QString &verb)
{
    QString text;
    if (verb == QLatin1String("show")) {
        text = QStringLiteral("Usage: tavrin-cli show FILE [--day DAY]\n"
                              "Writes the schedule file FILE to standard output as CSV (RFC 4180): a header line\n"
                              "  day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\n"
                              "then one row per entry, Monday to Sunday, each weekday in position order: the\n"
                              "weekday's name, the position, the 24-hour HH:MM and the other fields as stored.\n"
                              "A text that starts with =, +, -, @, a tab, a CR or ', and a text the column's values\n"
                              "do not cover, is written after an apostrophe ('=SUM(A1)), so a spreadsheet takes it as\n"
                              "text and import reads it back as stored. NUL bytes and bytes that are not UTF-8 are\n"
                              "left out and named on standard error.\n"
                              "\n"
                              "  --day DAY   only that weekday's rows\n");
        text += QLatin1String(kDayText);
    } else if (verb == QLatin1String("import")) {
        text =
            QStringLiteral("Usage: tavrin-cli import CSV --to FILE\n"
                           "Reads a schedule in the CSV form 'show' writes (CSV '-' is standard input) and writes it\n"
                           "into the schedule file FILE, created from the template database when it does not exist.\n"
                           "The CSV is the whole week: a weekday without rows is written empty.\n"
                           "\n"
                           "The header names the ten columns, in any order. Rows may come in any order; id is the\n"
                           "entry's position, and the ids of a weekday run 1, 2, 3 ... without gaps. time is HH:MM\n"
                           "(24-hour), melody_voice \"Melody\", \"Voice\" or empty, selection 0 to 15 or empty, ac\n"
                           "\"ON\", \"OFF\" or empty, ch1 to ch4 \"1\" or \"0\". A field that starts with an\n"
                           "apostrophe is the rest of it exactly, as show writes it; an empty time is a position\n"
                           "without an event.\n"
                           "Every bad row is reported with its line number (reading stops after 50), and then FILE\n"
                           "is not touched. A CSV larger than 4 MB is refused.\n"
                           "A FILE holding SQLite triggers or views (a schedule file never has them, and writing\n"
                           "would run them) is not written into unless --remove-triggers is given.\n"
                           "\n"
                           "  --to FILE           the schedule file to write\n"
                           "  --remove-triggers   remove FILE's triggers and views as the week is written\n");
    } else if (verb == QLatin1String("download")) {
        text = QStringLiteral(
            "Usage: tavrin-cli download FILE --port NAME (--days LIST | --all | --clear)\n"
            "Sends weekdays of the schedule file FILE to the device, one frame each, Monday to\n"
            "Sunday, each after the device acknowledged the one before.\n"
            "\n"
            "  --port NAME   the serial port (COM1, /dev/ttyUSB0, a tavrin-sim device, socket://HOST:PORT,\n"
            "                rfc2217://HOST:PORT)\n"
            "  --days LIST   these weekdays, DAYs joined by commas: mon,wed,fri\n"
            "  --all         every weekday\n"
            "  --clear       ALL Clear: blank every image the device holds\n"
            "  --verify      then read each weekday sent back and compare it with what was sent;\n"
            "                the weekdays that differ are printed as 'compare' prints them, and\n"
            "                the exit status is 3 when the device does not hold what was sent\n");
        text += QLatin1String(kDayText);
    } else if (verb == QLatin1String("upload")) {
        text = QStringLiteral("Usage: tavrin-cli upload --port NAME --to FILE [--days LIST | --all] [--into-weekdays]\n"
                              "Reads weekdays back from the device and stores them into the schedule file FILE\n"
                              "(created from the template database when it does not exist). The other weekdays of\n"
                              "FILE are kept. Without --days every weekday is read. A weekday that the journal shows\n"
                              "was last sent as a day program, and still holds it, is not stored: FILE keeps its\n"
                              "regular weekday, and standard error names the program.\n"
                              "\n"
                              "  --port NAME       the serial port\n"
                              "  --to FILE         the schedule file to write\n"
                              "  --days LIST       these weekdays, DAYs joined by commas: mon,wed,fri\n"
                              "  --all             every weekday\n"
                              "  --into-weekdays   store such a day program into its weekday all the same\n"
                              "  --remove-triggers  remove FILE's SQLite triggers and views as the week is written\n"
                              "                (without it, a FILE holding any is not written into)\n");
        text += QLatin1String(kDayText);
    } else if (verb == QLatin1String("clock")) {
        text = QStringLiteral(
            "Usage: tavrin-cli clock --port NAME [--set \"DAY HH:MM:SS\" | --now]\n"
            "Without --set or --now, prints the device's weekday and time (\"Wednesday 07:05:09\"),\n"
            "then how far it is from this computer's (\"Device: Wednesday 07:05:09, 2 min 13 s behind\n"
            "this computer\"). When this computer's time zone changes its offset within 14 days, a\n"
            "line says when, and that the clock wants setting after that.\n"
            "\n"
            "  --port NAME            the serial port\n"
            "  --set \"DAY HH:MM:SS\"   sets the device's clock to that weekday and 24-hour time\n"
            "  --now                  sets the device's clock to this computer's local weekday and time\n"
            "  --journal FILE         the journal to record in (see 'journal --help')\n");
        text += QLatin1String(kDayText);
    } else if (verb == QLatin1String("journal")) {
        text = QStringLiteral("Usage: tavrin-cli journal [--port NAME] [--last N] [--journal FILE]\n"
                              "Prints the journal of every download, ALL Clear, upload and clock setting, by this\n"
                              "program and by the desktop program, newest first, one line each:\n"
                              "  TIME KIND PORT OUTCOME DAYS SHA256S [OFFSET]\n"
                              "  2026-10-24T21:05:00 download /dev/ttyUSB0 completed Mon,Tue 3f1a09c2,77b0e4d1\n"
                              "TIME is local ISO 8601; KIND download, all-clear, upload, comparison or clock-set;\n"
                              "OUTCOME completed, refused, no-response, line-error, cancelled or port-failed; DAYS\n"
                              "the weekdays (\"-\" for none); SHA256S the first 8 hex digits of each weekday's image\n"
                              "(\"-\" for none); OFFSET, when the device's clock was read, \"offset=+133s\" (ahead).\n"
                              "\n"
                              "  --port NAME     only the entries of that port\n"
                              "  --last N        only the newest N entries\n"
                              "  --journal FILE  this journal rather than journal.sqlite in the user's data folder\n"
                              "                  ($TAVRIN_JOURNAL, when set, names it too)\n");
    } else if (verb == QLatin1String("plan")) {
        text = QStringLiteral("Usage: tavrin-cli plan FILE [--from DATE] [--days N] [--port NAME] [--journal FILE]\n"
                              "                        [--ics OUT]\n"
                              "Prints which schedule each date plays, one line a date:\n"
                              "  DATE DAY NAME (N events)\n"
                              "  2027-03-10 Wed Exam day (12 events)\n"
                              "DATE is YYYY-MM-DD, DAY the weekday's first three letters, NAME the weekday's name\n"
                              "(\"Wednesday\") or the day program the calendar gives the date (\"Exam day\", \"No\n"
                              "bells\"), and N its entries (\"1 event\"). NAME is everything up to the last \" (\".\n"
                              "\n"
                              "  --from DATE     the first date, YYYY-MM-DD (today when not given)\n"
                              "  --days N        this many dates, 1 to 366 (7 when not given)\n"
                              "  --port NAME     then a last line tells, from the journal of that port, whether the\n"
                              "                  device holds the day after the first date (tomorrow by default):\n"
                              "                  \"device NAME for DATE: up to date\", \"not up to date\" or\n"
                              "                  \"unknown\" (the journal does not tell what it holds)\n"
                              "  --journal FILE  the journal to read (see 'journal --help')\n"
                              "  --ics OUT       also write the dates that play a day program to the iCalendar\n"
                              "                  file OUT, one all-day event each named after the program (\"Exam\n"
                              "                  day\", \"No bells\"), for calendars to show; an event keeps its\n"
                              "                  UID from one run to the next, so a calendar that reads OUT again\n"
                              "                  updates its dates rather than adding them twice\n");
    } else if (verb == QLatin1String("sync")) {
        text =
            QStringLiteral("Usage: tavrin-cli sync FILE --port NAME [--from DATE] [--dry-run] [--check-device]\n"
                           "                      [--journal FILE]\n"
                           "The device repeats seven weekday images: for the seven dates from DATE on, each\n"
                           "weekday's image must be the schedule that date plays (its regular weekday or the day\n"
                           "program the calendar gives it). sync sends, as download does, the weekdays whose\n"
                           "image the device does not hold, or may not hold, as far as the journal of that port\n"
                           "tells (every weekday when it tells nothing), and journals what it sent, so the next\n"
                           "sync knows. Standard output gets one line per weekday sent, as 'plan' prints the date\n"
                           "it is sent for, or \"nothing to send\". When afterwards the device is not known to hold\n"
                           "the day after DATE (a failed send, or --dry-run), standard error says so.\n"
                           "\n"
                           "  --port NAME     the serial port\n"
                           "  --from DATE     the first date, YYYY-MM-DD (today when not given)\n"
                           "  --dry-run       print what would be sent, send nothing\n"
                           "  --check-device  first read every weekday back from the device (journalled as a\n"
                           "                  comparison) and decide from what it really holds: a send from\n"
                           "                  another computer is not in this one's journal\n"
                           "  --journal FILE  the journal to read and record in (see 'journal --help')\n"
                           "\n"
                           "Exit status: 0 sent or nothing to send (or --dry-run), 1 a device or file failure,\n"
                           "2 bad usage.\n");
        return text;
    } else if (verb == QLatin1String("site")) {
        text = QStringLiteral("Usage: tavrin-cli site [--site FILE] [--journal FILE]\n"
                              "One line per device of the site file (~/.config/tavrin/site.ini unless --site names\n"
                              "another): NAME  PORT  SCHEDULE  tomorrow: up to date|not up to date|unknown  last:\n"
                              "TIME OUTCOME, what the journal says of the device's port. A device the site file\n"
                              "refuses (no port, a port another device has) is named on standard error.\n"
                              "\n"
                              "Exit status: 0 listed, 1 a site or journal failure, 2 bad usage.\n");
        return text;
    } else if (verb == QLatin1String("print")) {
        text = QStringLiteral("Usage: tavrin-cli print FILE --pdf OUT [--days LIST] [--programs] [--calendar]\n"
                              "Writes the week of the schedule file FILE as the program's Print Week does, to the\n"
                              "PDF file OUT: each weekday from a new page with its title, 55 entries a page, each\n"
                              "entry with the name of its sound when the file names it, pages numbered \"page 2 of\n"
                              "9\". No printer and no window system are needed.\n"
                              "\n"
                              "  --pdf OUT     the PDF file to write\n"
                              "  --days LIST   only these weekdays, DAYs joined by commas: mon,wed,fri\n"
                              "  --programs    every day program after the weekdays\n"
                              "  --calendar    the calendar's entries of the twelve months from today, last\n");
        text += QLatin1String(kDayText);
    } else if (verb == QLatin1String("calendar")) {
        text = QStringLiteral(
            "Usage: tavrin-cli calendar FILE list\n"
            "       tavrin-cli calendar FILE add --first DATE [--last DATE] --program NAME [--note TEXT]\n"
            "       tavrin-cli calendar FILE remove N\n"
            "       tavrin-cli calendar FILE import ICS [--program NAME] [--dry-run]\n"
            "The calendar of the schedule file FILE gives dates to day programs; where entries overlap,\n"
            "the later one wins. list prints one line per entry, numbered from 1: N FIRST LAST PROGRAM\n"
            "NOTE. add adds an entry after the others; remove removes entry N as list numbers it.\n"
            "import reads the iCalendar file ICS (holidays, term dates) and takes its all-day events not\n"
            "entirely past, for the next 400 days, recurring ones expanded; it prints one line per entry\n"
            "taken: FIRST LAST PROGRAM SUMMARY. An event imported before (the same UID and first date)\n"
            "is updated in place. A file that is not iCalendar, is larger than 4 MB, holds more than\n"
            "2,000 events or gives more than 5,000 dates is refused and nothing changes.\n"
            "\n"
            "  --first DATE     the first date, YYYY-MM-DD\n"
            "  --last DATE      the last date (the first when not given)\n"
            "  --program NAME   the day program the dates play (import: \"No bells\" when not given)\n"
            "  --note TEXT      the entry's note\n"
            "  --dry-run        import: print what would be taken, change nothing\n");
    } else if (verb == QLatin1String("bells-off") || verb == QLatin1String("bells-on")) {
        text = QStringLiteral(
            "Usage: tavrin-cli bells-off FILE --port NAME [--until DATE] [--journal FILE]\n"
            "       tavrin-cli bells-on FILE --port NAME [--journal FILE]\n"
            "bells-off adds to the calendar of the schedule file FILE an entry of \"No bells\" (note \"Bells\n"
            "off\") from today to DATE (today when not given), saves the file, and at once sends the\n"
            "device today's weekday alone, blank. bells-on removes that entry and sends today's regular\n"
            "image back. The blank image stays on the device for that weekday until a send replaces it:\n"
            "the evening sync timer (tavrin-sync.timer) does, the day after the last date; bells-off says\n"
            "so when that timer is not enabled. Standard output gets the date sent, its weekday and the\n"
            "schedule it plays.\n"
            "\n"
            "  --port NAME     the serial port\n"
            "  --until DATE    the last date without bells, YYYY-MM-DD\n"
            "  --journal FILE  the journal to record in (see 'journal --help')\n");
    } else if (verb == QLatin1String("image")) {
        text = QStringLiteral("Usage: tavrin-cli image FILE --day DAY [--hex]\n"
                              "Writes the 5760-byte image the device would hold for that weekday of the schedule file\n"
                              "FILE to standard output: four bytes for each minute of the day, 00:00 first.\n"
                              "\n"
                              "  --day DAY   the weekday\n"
                              "  --hex       as hex text, 64 bytes a line\n");
        text += QLatin1String(kDayText);
    } else if (verb == QLatin1String("compare")) {
        text = QStringLiteral("Usage: tavrin-cli compare FILE --port NAME [--days LIST | --all]\n"
                              "Reads weekdays back from the device (nothing is written anywhere) and compares each\n"
                              "with the image the schedule file FILE gives it, minute by minute: what the device\n"
                              "will really do, with entries sharing a minute merged and entries the device cannot\n"
                              "hold left out. Without --days every weekday is read. Standard output gets one line\n"
                              "per weekday, then one per minute that differs:\n"
                              "\n"
                              "  Monday: same\n"
                              "  Wednesday: differs in 2 minutes\n"
                              "  Wednesday 07:05  file: AM 07:05 Melody 3 ON 1 0 0 0  device: (none)\n"
                              "  Wednesday 13:30  file: (none)  device: PM 01:30 Voice 12 - 0 1 0 0\n"
                              "\n"
                              "A minute line has the weekday and the 24-hour time, then each side as \"(none)\" or\n"
                              "eight fields as the list shows them: AM/PM, the 12-hour time, Melody/Voice,\n"
                              "Selection, AC (ON/OFF), CH1 to CH4 as 1/0; \"-\" for no Melody/Voice or no AC.\n"
                              "When the file names the sound, its name follows in double quotes.\n"
                              "\n"
                              "  --port NAME   the serial port\n"
                              "  --days LIST   these weekdays, DAYs joined by commas: mon,wed,fri\n"
                              "  --all         every weekday\n");
        text += QLatin1String(kDayText);
        return text + QLatin1String(kCompareExitText);
    } else {
        return {};
    }
    return text + QLatin1String(kExitText);
}
