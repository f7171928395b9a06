#include "data/Names.h"

namespace {

const QVector<QString> anglicFirst = {
    "RANDY", "MIKE", "STEVE", "DAVE", "JEFF", "SCOTT", "MARK", "BRIAN", "KEVIN", "CHRIS",
    "TONY", "GREG", "TODD", "TROY", "SHANE", "SHAWN", "DEREK", "DARREN", "DENNIS", "DWIGHT",
    "GLENN", "GARY", "TERRY", "TIM", "TOM", "TRAVIS", "TRENT", "WADE", "WES", "WILLIE",
    "BOBBY", "BILLY", "BRAD", "BRENT", "BRET", "CAL", "CASEY", "CHAD", "CLINT", "CODY",
    "CRAIG", "CURT", "DALE", "DAN", "DANNY", "DARRYL", "DOUG", "DUANE", "ERIC", "ERNIE",
    "FRANK", "FRED", "GABE", "JASON", "JAY", "JERRY", "JIM", "JOE", "JOEL", "JON",
    "KIRK", "KURT", "LANCE", "LARRY", "LEE", "LONNIE", "MARTY", "MATT", "MEL", "MICKEY",
    "MITCH", "NATE", "NEIL", "PAT", "PAUL", "PHIL", "RAY", "RICK", "ROB", "ROD",
    "RON", "ROY", "RUSS", "RYAN", "SAM", "SEAN", "STAN", "TED", "VINCE", "WALT",
    "WAYNE", "ANDY", "AARON", "BUD", "BUTCH", "RUSTY", "KEITH", "KENNY", "JUSTIN", "HAL",
};

const QVector<QString> latinFirst = {
    "JOSE", "LUIS", "CARLOS", "JUAN", "PEDRO", "RAFAEL", "RAMON", "MANNY", "HECTOR", "JORGE",
    "OMAR", "ORLANDO", "FELIX", "RICO", "EDGAR", "JAIME", "ARMANDO", "BENITO", "ESTEBAN", "ISMAEL",
    "JULIO", "MARCOS", "NELSON", "RUBEN", "WILFREDO", "ALEX", "VICTOR", "ANGEL", "EDWIN", "JAVIER",
};

// Stems of up to five letters and endings of up to six keep surnames short.
const QVector<QString> anglicStems = {
    "ABERN", "BASK", "BELL", "BRACK", "BRENN", "BURK", "CALD", "CARR", "COBB", "CRAN",
    "DAL", "DELL", "DORN", "DUNN", "ECK", "ELL", "FARN", "FENN", "GARD", "GARR",
    "GILL", "HAL", "HASK", "HEND", "HOLL", "JARV", "KELL", "KEND", "LANG", "LINN",
    "LOM", "MARL", "MELL", "MORR", "NASH", "NORR", "OAK", "PELL", "PENN", "QUILL",
    "RAND", "REDD", "ROLL", "SAND", "SELL", "STAN", "TANN", "TELL", "THORN", "VAND",
    "WALD", "WELL", "WHIT", "WICK", "YARB", "ZELL", "BRAM", "COTT", "DILL", "FOST",
    "GRAT", "HUX", "LIND", "PRATT", "SUTT", "TREM", "ULM", "VICK", "WERN", "ASH",
};

const QVector<QString> anglicEndings = {
    "INGTON", "WOOD", "LEY", "MAN", "STEAD", "MORE", "FORD", "DALE", "ICK", "OVER",
    "SEN", "QUIST", "BAUGH", "RIDGE", "WORTH", "HAM", "BY", "ETT", "AWAY", "FIELD",
    "ING", "SON", "MONT", "WELL", "STON", "NER", "ARD", "ACH", "RUP", "COTT", "BROOK", "HARDT",
};

const QVector<QString> latinStems = {
    "AL", "BAR", "CAS", "DEL", "ES", "FA", "GAL", "IB", "LOR", "MAR",
    "OR", "PA", "QUE", "RI", "SAL", "TOR", "VAL", "VER", "ZA", "CAB",
};

const QVector<QString> latinEndings = {
    "ADO", "ARES", "ENA", "ERA", "INO", "ONES", "OZA", "UELO", "EZ", "ILLO", "ANTE", "ANDA", "EDA",
};

constexpr int triesBeforeRepeating = 64;

// "COBB" + "BY" reads "COBBY", not "COBBBY".
QString joined(const QString &stem, const QString &ending)
{
    return stem.endsWith(ending.front()) ? stem.chopped(1) + ending : stem + ending;
}

}

NameMaker::Name NameMaker::next()
{
    Name name = compose();
    for (int tries = 1; tries < triesBeforeRepeating && m_used.contains(name.first + ' ' + name.last); ++tries)
        name = compose();
    m_used.insert(name.first + ' ' + name.last);
    return name;
}

NameMaker::Name NameMaker::compose()
{
    const bool latin = m_random.chance(22);
    Name name;
    // Now and then a Latin first name goes with another surname, and back.
    const bool crossed = m_random.chance(10);
    name.first = m_random.pick(latin != crossed ? latinFirst : anglicFirst);
    const QString stem = m_random.pick(latin ? latinStems : anglicStems);
    name.last = joined(stem, m_random.pick(latin ? latinEndings : anglicEndings));
    return name;
}
