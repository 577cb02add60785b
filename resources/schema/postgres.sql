-- Tables of a Lumora stock database on PostgreSQL.
-- Business dates (BizDate, carry.EndDate) are dates without a time of day, times (BillTime,
-- CheckTime) are timestamps to the second. Names are unquoted, so PostgreSQL folds them to
-- lower case and the program matches them without regard to case. Every statement ends with
-- a semicolon at the end of a line.

-- Reference data

create table warehouse (
    Id integer primary key,
    Name varchar(50),
    Mgr varchar(50),
    Tel varchar(50),
    Note varchar(255)
);

create table wareclass (
    Id integer primary key,
    Code varchar(255),
    Name varchar(50),
    Note varchar(255),
    SlfId integer,
    PrtId integer
);
create index ix_wareclass_code on wareclass (Code);

create table costing (
    Id integer primary key,
    Name varchar(30)
);

-- ClassId and CostId are not enforced: deleting a class nulls its wares' ClassId first.
create table ware (
    Id integer primary key,
    ClassId integer,
    Code varchar(50),
    Name varchar(100),
    PartNo varchar(200),
    Brand varchar(50),
    Package varchar(50),
    Barcode varchar(50),
    LookId varchar(50),
    Unit varchar(20),
    InPrice double precision,
    OutPrice double precision,
    MinQty double precision,
    MaxQty double precision,
    Location varchar(50),
    Note varchar(255),
    CostId integer
);
create index ix_ware_code on ware (Code);
create index ix_ware_lookid on ware (LookId);
create index ix_ware_classid on ware (ClassId);

create table supplier (
    Id integer primary key,
    Name varchar(100),
    LookId varchar(50),
    TaxId varchar(50),
    Lawman varchar(50),
    Bank varchar(100),
    BankId varchar(50),
    Linkman varchar(50),
    Tel varchar(50),
    Fax varchar(50),
    Addr varchar(200),
    Zip varchar(20),
    Url varchar(200),
    Email varchar(100),
    Note text
);
create index ix_supplier_lookid on supplier (LookId);

create table client (
    Id integer primary key,
    Name varchar(100),
    LookId varchar(50),
    TaxId varchar(50),
    Lawman varchar(50),
    Bank varchar(100),
    BankId varchar(50),
    Linkman varchar(50),
    Tel varchar(50),
    Fax varchar(50),
    Addr varchar(200),
    Zip varchar(20),
    Url varchar(200),
    Email varchar(100),
    Note text
);
create index ix_client_lookid on client (LookId);

create table department (
    Id integer primary key,
    Name varchar(50),
    Manager varchar(50),
    Tel varchar(50),
    Fax varchar(50),
    Address varchar(200),
    Describe text
);

create table employee (
    Id integer primary key,
    Name varchar(50),
    Sex varchar(10),
    Tel varchar(50),
    Addr varchar(200),
    Note text
);

create table putintype (
    Id integer primary key,
    Name varchar(50),
    Corp boolean,
    Dept boolean
);

create table takeoutype (
    Id integer primary key,
    Name varchar(50),
    Corp boolean,
    Dept boolean
);

create table putinsign (
    Id integer primary key,
    Name varchar(20)
);

create table takeoutsign (
    Id integer primary key,
    Name varchar(20)
);

-- Stock documents. Lines are deleted by the program before their header, so no cascade.

create table putin (
    Id integer primary key,
    Code varchar(20),
    UserCode varchar(50),
    BizDate date,
    HouseId integer references warehouse (Id),
    SignId integer references putinsign (Id),
    TypeId integer references putintype (Id),
    SupplierId integer references supplier (Id),
    DeptId integer references department (Id),
    HandmanId integer references employee (Id),
    BatchNo varchar(50),
    Fund double precision,
    Billman varchar(30),
    BillTime timestamp(0),
    Note varchar(255),
    Checkman varchar(30),
    CheckTime timestamp(0)
);
create unique index ux_putin_code on putin (Code);
create index ix_putin_bizdate on putin (BizDate);

create table putindl (
    dlId integer primary key,
    MastId integer not null references putin (Id),
    WareId integer references ware (Id),
    Qty double precision,
    Price double precision,
    Fund double precision,
    dlNote varchar(255)
);
create index ix_putindl_mastid on putindl (MastId);
create index ix_putindl_wareid on putindl (WareId);

create table takeout (
    Id integer primary key,
    Code varchar(20),
    UserCode varchar(50),
    BizDate date,
    HouseId integer references warehouse (Id),
    SignId integer references takeoutsign (Id),
    TypeId integer references takeoutype (Id),
    ClientId integer references client (Id),
    DeptId integer references department (Id),
    HandmanId integer references employee (Id),
    BatchNo varchar(50),
    Fund double precision,
    Billman varchar(30),
    BillTime timestamp(0),
    Note varchar(255),
    Checkman varchar(30),
    CheckTime timestamp(0)
);
create unique index ux_takeout_code on takeout (Code);
create index ix_takeout_bizdate on takeout (BizDate);

create table takeoutdl (
    dlId integer primary key,
    MastId integer not null references takeout (Id),
    WareId integer references ware (Id),
    Qty double precision,
    Price double precision,
    Fund double precision,
    dlNote varchar(255),
    Cost double precision
);
create index ix_takeoutdl_mastid on takeoutdl (MastId);
create index ix_takeoutdl_wareid on takeoutdl (WareId);

create table move (
    Id integer primary key,
    Code varchar(20),
    UserCode varchar(50),
    BizDate date,
    InId integer references warehouse (Id),
    OutId integer references warehouse (Id),
    HandmanId integer references employee (Id),
    Fund double precision,
    Billman varchar(30),
    BillTime timestamp(0),
    Note varchar(255),
    Checkman varchar(30),
    CheckTime timestamp(0)
);
create unique index ux_move_code on move (Code);
create index ix_move_bizdate on move (BizDate);

create table movedl (
    dlId integer primary key,
    MastId integer not null references move (Id),
    WareId integer references ware (Id),
    Qty double precision,
    Price double precision,
    Fund double precision,
    dlNote varchar(255)
);
create index ix_movedl_mastid on movedl (MastId);
create index ix_movedl_wareid on movedl (WareId);

create table regulate (
    Id integer primary key,
    Code varchar(20),
    UserCode varchar(50),
    BizDate date,
    HouseId integer references warehouse (Id),
    HandmanId integer references employee (Id),
    Fund double precision,
    Billman varchar(30),
    BillTime timestamp(0),
    Note varchar(255),
    Checkman varchar(30),
    CheckTime timestamp(0)
);
create unique index ux_regulate_code on regulate (Code);
create index ix_regulate_bizdate on regulate (BizDate);

create table regulatedl (
    dlId integer primary key,
    MastId integer not null references regulate (Id),
    WareId integer references ware (Id),
    BookQty double precision,
    ReguQty double precision,
    Qty double precision,
    Price double precision,
    Fund double precision,
    dlNote varchar(255)
);
create index ix_regulatedl_mastid on regulatedl (MastId);
create index ix_regulatedl_wareid on regulatedl (WareId);

-- Stock carry-over: opening balances, dated carry.EndDate.

create table carry (
    Id integer primary key,
    EndDate date
);

create table carrydl (
    dlId integer generated by default as identity primary key,
    MastId integer,
    HouseId integer,
    WareId integer,
    Qty double precision,
    Price double precision,
    Fund double precision
);
create index ix_carrydl_mastid on carrydl (MastId);
create index ix_carrydl_wareid on carrydl (WareId);

-- Operators and settings

create table operator (
    LoginId varchar(30) primary key,
    Password varchar(50),
    Name varchar(50),
    Contact varchar(100),
    Note varchar(255),
    Rights text,
    Menus text,
    Houses text
);

create table company (
    Id integer primary key,
    CompanyName varchar(100),
    Manager varchar(50),
    Tel varchar(50),
    Fax varchar(50),
    Address varchar(200),
    Zip varchar(20),
    Profile text,
    Updated boolean
);

create table keyvalue (
    KeyId integer primary key,
    Value varchar(255),
    Vint integer,
    Vstr text,
    Vfloat double precision,
    Vbool boolean
);

create table options (
    Key integer primary key,
    Label varchar(50),
    List text
);

create table syscols (
    F02 integer primary key,
    F06 text
);

create table report (
    Id integer primary key,
    GrpId integer,
    Title varchar(100),
    Fr3File bytea
);

create table link (
    Id integer generated by default as identity primary key,
    GroupId integer,
    Title varchar(100),
    lpFile varchar(255),
    lpParameters varchar(255),
    Note varchar(255)
);

create table backup (
    TypeId integer,
    BackDir varchar(255)
);

create table upgrade (
    Id integer primary key,
    Version varchar(30),
    SqlText text
);
