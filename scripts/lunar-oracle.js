// Prints, for every day from 1900-12-01 to 2051-03-31, the day in the Chinese calendar and the
// solar term that falls on it, as computed by the npm package lunar-javascript:
//   yyyy-mm-dd lunar-year lunar-month lunar-day term
// lunar-month is negative for a leap month; term is the term's name or "-".
// make-lunar-tables.py reads this output. Run it with NODE_PATH naming the node_modules folder
// that holds the package (installed outside the repository).
const { Solar } = require('lunar-javascript');

const pad = (n, w) => String(n).padStart(w, '0');
let day = Solar.fromYmd(1900, 12, 1);
const lines = [];
while (day.getYear() < 2051 || day.getMonth() <= 3) {
    const lunar = day.getLunar();
    const term = lunar.getJieQi() || '-';
    lines.push(`${pad(day.getYear(), 4)}-${pad(day.getMonth(), 2)}-${pad(day.getDay(), 2)} ` +
               `${lunar.getYear()} ${lunar.getMonth()} ${lunar.getDay()} ${term}`);
    day = day.next(1);
}
process.stdout.write(lines.join('\n') + '\n');
