-- Schema of the embedded demo company: the accounting system's tables the program reads,
-- with CHAR values padded with blanks as the accounting system stores them, dates as
-- yyyymmdd numbers and quantities with four decimals. Each column the host views number
-- stands at its field number (first column = field 1). Every CHAR column compares as SQL
-- Server does, through the TSQL_CI collation, which must be registered before this runs.

CREATE TABLE ICITEM (
    ITEMNO     CHAR(24) COLLATE TSQL_CI NOT NULL PRIMARY KEY,  -- 1
    AUDTDATE   INTEGER NOT NULL DEFAULT 0,                     -- 2
    [DESC]     CHAR(60) COLLATE TSQL_CI NOT NULL,              -- 3
    FMTITEMNO  CHAR(24) COLLATE TSQL_CI NOT NULL,              -- 4
    INACTIVE   SMALLINT NOT NULL DEFAULT 0,                    -- 5
    ALTSET     SMALLINT NOT NULL DEFAULT 0,                    -- 6
    STOCKITEM  SMALLINT NOT NULL DEFAULT 1,                    -- 7
    STOCKUNIT  CHAR(10) COLLATE TSQL_CI NOT NULL,              -- 8
    DEFPRICLST CHAR(6) COLLATE TSQL_CI NOT NULL DEFAULT '',    -- 9
    LCONTCODE  CHAR(6) COLLATE TSQL_CI NOT NULL DEFAULT '',    -- 10
    CATEGORY   CHAR(6) COLLATE TSQL_CI NOT NULL,               -- 11
    COMMODIM   CHAR(16) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 12
    PICKINGSEQ CHAR(10) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 13
    UNITWGT    DECIMAL(19,4) NOT NULL DEFAULT 0,               -- 14
    WEIGHTUNIT CHAR(10) COLLATE TSQL_CI NOT NULL DEFAULT ''    -- 15
);

CREATE TABLE ICXLOT (
    LOTNUM     CHAR(15) COLLATE TSQL_CI NOT NULL,              -- 1
    ITEMNUM    CHAR(24) COLLATE TSQL_CI NOT NULL,              -- 2
    LOCATION   CHAR(6) COLLATE TSQL_CI NOT NULL,               -- 3
    QTYAVAIL   DECIMAL(19,4) NOT NULL,                         -- 4
    QTYLEVEL   SMALLINT NOT NULL,                              -- 5
    STOCKDATE  DECIMAL(9,0) NOT NULL,                          -- 6
    EXPIRYDATE DECIMAL(9,0) NOT NULL,                          -- 7
    ONQUART    SMALLINT NOT NULL DEFAULT 0,                    -- 8
    ONQUARTDT  DECIMAL(9,0) NOT NULL DEFAULT 0,                -- 9
    PRIMARY KEY (LOTNUM, ITEMNUM, LOCATION)
);

CREATE TABLE ICXLOTO (
    ITEMNUM    CHAR(24) COLLATE TSQL_CI NOT NULL,              -- 1
    LOCATION   CHAR(6) COLLATE TSQL_CI NOT NULL,               -- 2
    LOTNUM     CHAR(15) COLLATE TSQL_CI NOT NULL,              -- 3
    OPTFIELD   CHAR(12) COLLATE TSQL_CI NOT NULL,              -- 4
    VALUE      CHAR(60) COLLATE TSQL_CI NOT NULL,              -- 5
    TYPE       SMALLINT NOT NULL DEFAULT 1,                    -- 6
    LENGTH     SMALLINT NOT NULL DEFAULT 60,                   -- 7
    VALIFTEXT  CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 8
    PRIMARY KEY (ITEMNUM, LOCATION, LOTNUM, OPTFIELD)
);
-- The lot search joins the optional-field views on the lot number alone. The index holds
-- the value too, so a view reads it without the table, and so the planner never prefers
-- ICXLOTO_VALUE, which serves the views as well but by the field name alone.
CREATE INDEX ICXLOTO_LOT ON ICXLOTO (LOTNUM, OPTFIELD, VALUE);
-- The summaries find the lots carrying one optional-field value, and read each lot's level
-- and quantity from an index rather than the table.
CREATE INDEX ICXLOTO_VALUE ON ICXLOTO (OPTFIELD, VALUE, LOTNUM);
CREATE INDEX ICXLOT_QTY ON ICXLOT (LOTNUM, QTYLEVEL, QTYAVAIL);

CREATE TABLE CSOPTFD (
    OPTFIELD   CHAR(12) COLLATE TSQL_CI NOT NULL,              -- 1
    VALUE      CHAR(60) COLLATE TSQL_CI NOT NULL,              -- 2
    AUDTDATE   INTEGER NOT NULL DEFAULT 0,                     -- 3
    VDESC      CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 4
    PRIMARY KEY (OPTFIELD, VALUE)
);

CREATE TABLE ICCATG (
    CATEGORY   CHAR(6) COLLATE TSQL_CI NOT NULL PRIMARY KEY,   -- 1
    [DESC]     CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT ''    -- 2
);

CREATE TABLE ICLOC (
    LOCATION   CHAR(6) COLLATE TSQL_CI NOT NULL PRIMARY KEY,   -- 1
    [DESC]     CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 2
    INACTIVE   SMALLINT NOT NULL DEFAULT 0                     -- 3
);

CREATE TABLE OEORDH (
    ORDUNIQ    DECIMAL(19,0) NOT NULL PRIMARY KEY,             -- 1
    ORDNUMBER  CHAR(22) COLLATE TSQL_CI NOT NULL,              -- 2
    CUSTOMER   CHAR(12) COLLATE TSQL_CI NOT NULL,              -- 3
    CUSTGROUP  CHAR(6) COLLATE TSQL_CI NOT NULL DEFAULT '',    -- 4
    SHIPTO     CHAR(6) COLLATE TSQL_CI NOT NULL DEFAULT '',    -- 5
    SHPADDR1   CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 6
    SHPADDR2   CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 7
    SHPADDR3   CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 8
    SHPADDR4   CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 9
    SHPCITY    CHAR(30) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 10
    SHPSTATE   CHAR(30) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 11
    SHPZIP     CHAR(20) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 12
    SHPCOUNTRY CHAR(30) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 13
    SHPPHONE   CHAR(30) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 14
    PONUMBER   CHAR(22) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 15
    ORDTYPE    SMALLINT NOT NULL DEFAULT 1,                    -- 16
    ORDDATE    DECIMAL(9,0) NOT NULL,                          -- 17
    EXPDATE    DECIMAL(9,0) NOT NULL DEFAULT 0,                -- 18
    SHIPVIA    CHAR(6) COLLATE TSQL_CI NOT NULL DEFAULT '',    -- 19
    VIADESC    CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 20
    FOB        CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 21
    [DESC]     CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 22
    COMMENT    CHAR(250) COLLATE TSQL_CI NOT NULL DEFAULT '',  -- 23
    ORDLINES   INTEGER NOT NULL DEFAULT 0,                     -- 24
    NUMSHPMENT INTEGER NOT NULL DEFAULT 0,                     -- 25
    TERMS      CHAR(6) COLLATE TSQL_CI NOT NULL DEFAULT '',    -- 26
    SALESPER1  CHAR(8) COLLATE TSQL_CI NOT NULL DEFAULT '',    -- 27
    PRICELIST  CHAR(6) COLLATE TSQL_CI NOT NULL DEFAULT '',    -- 28
    CURRENCY   CHAR(3) COLLATE TSQL_CI NOT NULL DEFAULT '',    -- 29
    LOCATION   CHAR(6) COLLATE TSQL_CI NOT NULL DEFAULT '',    -- 30
    ONHOLD     SMALLINT NOT NULL DEFAULT 0,                    -- 31
    COMPLETE   SMALLINT NOT NULL DEFAULT 0,                    -- 32
    ORDTOTAL   DECIMAL(19,2) NOT NULL DEFAULT 0,               -- 33
    TAXGROUP   CHAR(12) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 34
    BILADDR1   CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 35
    BILADDR2   CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 36
    BILCITY    CHAR(30) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 37
    BILSTATE   CHAR(30) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 38
    BILZIP     CHAR(20) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 39
    BILNAME    CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 40
    SHPNAME    CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 41
    BILCOUNTRY CHAR(30) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 42
    SHPCONTACT CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 43
    BILCONTACT CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 44
    SHPFAX     CHAR(30) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 45
    REFERENCE  CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT ''    -- 46
);
CREATE INDEX OEORDH_NUMBER ON OEORDH (ORDNUMBER);

CREATE TABLE OEORDD (
    ORDUNIQ    DECIMAL(19,0) NOT NULL,                         -- 1
    LINENUM    INTEGER NOT NULL,                               -- 2
    ITEM       CHAR(24) COLLATE TSQL_CI NOT NULL,              -- 3
    [DESC]     CHAR(60) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 4
    LOCATION   CHAR(6) COLLATE TSQL_CI NOT NULL DEFAULT '',    -- 5
    QTYORDERED DECIMAL(19,4) NOT NULL,                         -- 6
    ORDUNIT    CHAR(10) COLLATE TSQL_CI NOT NULL,              -- 7
    UNITWEIGHT DECIMAL(19,4) NOT NULL DEFAULT 0,               -- 8
    EXTWEIGHT  DECIMAL(19,4) NOT NULL DEFAULT 0,               -- 9
    PICKSEQ    CHAR(10) COLLATE TSQL_CI NOT NULL DEFAULT '',   -- 10
    PRIMARY KEY (ORDUNIQ, LINENUM)
);

-- The eight site views: the lot number and one optional-field value each. The value keeps
-- the column's comparison rules (a function result would lose the collation).
CREATE VIEW OPTGRADE AS
    SELECT LOTNUM, RTRIM(VALUE) COLLATE TSQL_CI AS GRADE FROM ICXLOTO WHERE OPTFIELD = 'GRADE';
CREATE VIEW OPTPRODCODE AS
    SELECT LOTNUM, RTRIM(VALUE) COLLATE TSQL_CI AS PRODCODE FROM ICXLOTO WHERE OPTFIELD = 'PRODCODE';
CREATE VIEW OPTCUSTCODE AS
    SELECT LOTNUM, RTRIM(VALUE) COLLATE TSQL_CI AS CUSTCODE FROM ICXLOTO WHERE OPTFIELD = 'CUSTCODE';
CREATE VIEW OPTWHSCODE AS
    SELECT LOTNUM, RTRIM(VALUE) COLLATE TSQL_CI AS WHSCODE FROM ICXLOTO WHERE OPTFIELD = 'WHSCODE';
CREATE VIEW OPTPALLETSTATUS AS
    SELECT LOTNUM, RTRIM(VALUE) COLLATE TSQL_CI AS PALLETSTATUS FROM ICXLOTO WHERE OPTFIELD = 'PALLETSTATUS';
CREATE VIEW OPTLOTNUMBER AS
    SELECT LOTNUM, RTRIM(VALUE) COLLATE TSQL_CI AS LOTNUMBER FROM ICXLOTO WHERE OPTFIELD = 'LOTNUMBER';
CREATE VIEW OPTORDPICK AS
    SELECT LOTNUM, RTRIM(VALUE) COLLATE TSQL_CI AS ORDPICK FROM ICXLOTO WHERE OPTFIELD = 'ORDPICK';
-- Production dates are kept as yyyymmdd text; the view gives them as dates (yyyy-mm-dd).
-- As in the SQL Server view, only a valid eight-digit date converts and anything else is NULL.
-- A modifier makes date() normalise an impossible day (02-30 to 03-01), which then differs.
CREATE VIEW OPTPRODDATE AS
    SELECT LOTNUM,
           CASE WHEN RTRIM(VALUE) GLOB '[12][0-9][0-9][0-9][01][0-9][0-3][0-9]'
                     AND date(substr(VALUE, 1, 4) || '-' || substr(VALUE, 5, 2) || '-' ||
                              substr(VALUE, 7, 2), '+0 days')
                         = substr(VALUE, 1, 4) || '-' || substr(VALUE, 5, 2) || '-' ||
                           substr(VALUE, 7, 2)
                THEN substr(VALUE, 1, 4) || '-' || substr(VALUE, 5, 2) || '-' || substr(VALUE, 7, 2)
           END AS PRODDATE
    FROM ICXLOTO WHERE OPTFIELD = 'PRODDATE';
