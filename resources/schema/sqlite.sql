-- Tables of a Lumora stock database on SQLite.
-- Business dates (BizDate, carry.EndDate) are stored as 'yyyy-mm-dd' text, times (BillTime,
-- CheckTime) as 'yyyy-mm-dd hh:mm:ss', booleans as 0/1. Every statement ends with a semicolon
-- at the end of a line.

-- Reference data

create table warehouse (
    Id INTEGER PRIMARY KEY,
    Name VARCHAR(50),
    Mgr VARCHAR(50),
    Tel VARCHAR(50),
    Note VARCHAR(255)
);

create table wareclass (
    Id INTEGER PRIMARY KEY,
    Code VARCHAR(255),
    Name VARCHAR(50),
    Note VARCHAR(255),
    SlfId INTEGER,
    PrtId INTEGER
);
create index ix_wareclass_code on wareclass (Code);

create table costing (
    Id INTEGER PRIMARY KEY,
    Name VARCHAR(30)
);

-- ClassId and CostId are not enforced: deleting a class nulls its wares' ClassId first.
create table ware (
    Id INTEGER PRIMARY KEY,
    ClassId INTEGER,
    Code VARCHAR(50),
    Name VARCHAR(100),
    PartNo VARCHAR(200),
    Brand VARCHAR(50),
    Package VARCHAR(50),
    Barcode VARCHAR(50),
    LookId VARCHAR(50),
    Unit VARCHAR(20),
    InPrice DOUBLE,
    OutPrice DOUBLE,
    MinQty DOUBLE,
    MaxQty DOUBLE,
    Location VARCHAR(50),
    Note VARCHAR(255),
    CostId INTEGER
);
create index ix_ware_code on ware (Code);
create index ix_ware_lookid on ware (LookId);
create index ix_ware_classid on ware (ClassId);

create table supplier (
    Id INTEGER PRIMARY KEY,
    Name VARCHAR(100),
    LookId VARCHAR(50),
    TaxId VARCHAR(50),
    Lawman VARCHAR(50),
    Bank VARCHAR(100),
    BankId VARCHAR(50),
    Linkman VARCHAR(50),
    Tel VARCHAR(50),
    Fax VARCHAR(50),
    Addr VARCHAR(200),
    Zip VARCHAR(20),
    Url VARCHAR(200),
    Email VARCHAR(100),
    Note TEXT
);
create index ix_supplier_lookid on supplier (LookId);

create table client (
    Id INTEGER PRIMARY KEY,
    Name VARCHAR(100),
    LookId VARCHAR(50),
    TaxId VARCHAR(50),
    Lawman VARCHAR(50),
    Bank VARCHAR(100),
    BankId VARCHAR(50),
    Linkman VARCHAR(50),
    Tel VARCHAR(50),
    Fax VARCHAR(50),
    Addr VARCHAR(200),
    Zip VARCHAR(20),
    Url VARCHAR(200),
    Email VARCHAR(100),
    Note TEXT
);
create index ix_client_lookid on client (LookId);

create table department (
    Id INTEGER PRIMARY KEY,
    Name VARCHAR(50),
    Manager VARCHAR(50),
    Tel VARCHAR(50),
    Fax VARCHAR(50),
    Address VARCHAR(200),
    Describe TEXT
);

create table employee (
    Id INTEGER PRIMARY KEY,
    Name VARCHAR(50),
    Sex VARCHAR(10),
    Tel VARCHAR(50),
    Addr VARCHAR(200),
    Note TEXT
);

create table putintype (
    Id INTEGER PRIMARY KEY,
    Name VARCHAR(50),
    Corp BOOLEAN,
    Dept BOOLEAN
);

create table takeoutype (
    Id INTEGER PRIMARY KEY,
    Name VARCHAR(50),
    Corp BOOLEAN,
    Dept BOOLEAN
);

create table putinsign (
    Id INTEGER PRIMARY KEY,
    Name VARCHAR(20)
);

create table takeoutsign (
    Id INTEGER PRIMARY KEY,
    Name VARCHAR(20)
);

-- Stock documents. Lines are deleted by the program before their header, so no cascade.

create table putin (
    Id INTEGER PRIMARY KEY,
    Code VARCHAR(20),
    UserCode VARCHAR(50),
    BizDate DATETIME,
    HouseId INTEGER REFERENCES warehouse (Id),
    SignId INTEGER REFERENCES putinsign (Id),
    TypeId INTEGER REFERENCES putintype (Id),
    SupplierId INTEGER REFERENCES supplier (Id),
    DeptId INTEGER REFERENCES department (Id),
    HandmanId INTEGER REFERENCES employee (Id),
    BatchNo VARCHAR(50),
    Fund DOUBLE,
    Billman VARCHAR(30),
    BillTime DATETIME,
    Note VARCHAR(255),
    Checkman VARCHAR(30),
    CheckTime DATETIME
);
create unique index ux_putin_code on putin (Code);
create index ix_putin_bizdate on putin (BizDate);

create table putindl (
    dlId INTEGER PRIMARY KEY,
    MastId INTEGER NOT NULL REFERENCES putin (Id),
    WareId INTEGER REFERENCES ware (Id),
    Qty DOUBLE,
    Price DOUBLE,
    Fund DOUBLE,
    dlNote VARCHAR(255)
);
create index ix_putindl_mastid on putindl (MastId);
create index ix_putindl_wareid on putindl (WareId);

create table takeout (
    Id INTEGER PRIMARY KEY,
    Code VARCHAR(20),
    UserCode VARCHAR(50),
    BizDate DATETIME,
    HouseId INTEGER REFERENCES warehouse (Id),
    SignId INTEGER REFERENCES takeoutsign (Id),
    TypeId INTEGER REFERENCES takeoutype (Id),
    ClientId INTEGER REFERENCES client (Id),
    DeptId INTEGER REFERENCES department (Id),
    HandmanId INTEGER REFERENCES employee (Id),
    BatchNo VARCHAR(50),
    Fund DOUBLE,
    Billman VARCHAR(30),
    BillTime DATETIME,
    Note VARCHAR(255),
    Checkman VARCHAR(30),
    CheckTime DATETIME
);
create unique index ux_takeout_code on takeout (Code);
create index ix_takeout_bizdate on takeout (BizDate);

create table takeoutdl (
    dlId INTEGER PRIMARY KEY,
    MastId INTEGER NOT NULL REFERENCES takeout (Id),
    WareId INTEGER REFERENCES ware (Id),
    Qty DOUBLE,
    Price DOUBLE,
    Fund DOUBLE,
    dlNote VARCHAR(255),
    Cost DOUBLE
);
create index ix_takeoutdl_mastid on takeoutdl (MastId);
create index ix_takeoutdl_wareid on takeoutdl (WareId);

create table move (
    Id INTEGER PRIMARY KEY,
    Code VARCHAR(20),
    UserCode VARCHAR(50),
    BizDate DATETIME,
    InId INTEGER REFERENCES warehouse (Id),
    OutId INTEGER REFERENCES warehouse (Id),
    HandmanId INTEGER REFERENCES employee (Id),
    Fund DOUBLE,
    Billman VARCHAR(30),
    BillTime DATETIME,
    Note VARCHAR(255),
    Checkman VARCHAR(30),
    CheckTime DATETIME
);
create unique index ux_move_code on move (Code);
create index ix_move_bizdate on move (BizDate);

create table movedl (
    dlId INTEGER PRIMARY KEY,
    MastId INTEGER NOT NULL REFERENCES move (Id),
    WareId INTEGER REFERENCES ware (Id),
    Qty DOUBLE,
    Price DOUBLE,
    Fund DOUBLE,
    dlNote VARCHAR(255)
);
create index ix_movedl_mastid on movedl (MastId);
create index ix_movedl_wareid on movedl (WareId);

create table regulate (
    Id INTEGER PRIMARY KEY,
    Code VARCHAR(20),
    UserCode VARCHAR(50),
    BizDate DATETIME,
    HouseId INTEGER REFERENCES warehouse (Id),
    HandmanId INTEGER REFERENCES employee (Id),
    Fund DOUBLE,
    Billman VARCHAR(30),
    BillTime DATETIME,
    Note VARCHAR(255),
    Checkman VARCHAR(30),
    CheckTime DATETIME
);
create unique index ux_regulate_code on regulate (Code);
create index ix_regulate_bizdate on regulate (BizDate);

create table regulatedl (
    dlId INTEGER PRIMARY KEY,
    MastId INTEGER NOT NULL REFERENCES regulate (Id),
    WareId INTEGER REFERENCES ware (Id),
    BookQty DOUBLE,
    ReguQty DOUBLE,
    Qty DOUBLE,
    Price DOUBLE,
    Fund DOUBLE,
    dlNote VARCHAR(255)
);
create index ix_regulatedl_mastid on regulatedl (MastId);
create index ix_regulatedl_wareid on regulatedl (WareId);

-- Stock carry-over: opening balances, dated carry.EndDate.

create table carry (
    Id INTEGER PRIMARY KEY,
    EndDate DATETIME
);

create table carrydl (
    dlId INTEGER PRIMARY KEY,
    MastId INTEGER,
    HouseId INTEGER,
    WareId INTEGER,
    Qty DOUBLE,
    Price DOUBLE,
    Fund DOUBLE
);
create index ix_carrydl_mastid on carrydl (MastId);
create index ix_carrydl_wareid on carrydl (WareId);

-- Operators and settings

create table operator (
    LoginId VARCHAR(30) PRIMARY KEY,
    Password VARCHAR(50),
    Name VARCHAR(50),
    Contact VARCHAR(100),
    Note VARCHAR(255),
    Rights TEXT,
    Menus TEXT,
    Houses TEXT
);

create table company (
    Id INTEGER PRIMARY KEY,
    CompanyName VARCHAR(100),
    Manager VARCHAR(50),
    Tel VARCHAR(50),
    Fax VARCHAR(50),
    Address VARCHAR(200),
    Zip VARCHAR(20),
    Profile TEXT,
    Updated BOOLEAN
);

create table keyvalue (
    KeyId INTEGER PRIMARY KEY,
    Value VARCHAR(255),
    Vint INTEGER,
    Vstr TEXT,
    Vfloat DOUBLE,
    Vbool BOOLEAN
);

create table options (
    Key INTEGER PRIMARY KEY,
    Label VARCHAR(50),
    List TEXT
);

create table syscols (
    F02 INTEGER PRIMARY KEY,
    F06 TEXT
);

create table report (
    Id INTEGER PRIMARY KEY,
    GrpId INTEGER,
    Title VARCHAR(100),
    Fr3File BLOB
);

create table link (
    Id INTEGER PRIMARY KEY,
    GroupId INTEGER,
    Title VARCHAR(100),
    lpFile VARCHAR(255),
    lpParameters VARCHAR(255),
    Note VARCHAR(255)
);

create table backup (
    TypeId INTEGER,
    BackDir VARCHAR(255)
);

create table upgrade (
    Id INTEGER PRIMARY KEY,
    Version VARCHAR(30),
    SqlText TEXT
);
