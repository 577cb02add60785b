#!/usr/bin/env python3
"""Writes resources/seed/demo.sql: the demo company with its reference data and three months of
stock documents (2026-09 to 2026-11).

The documents are simulated in business order so that they are consistent: no stock-out,
stock-in return or transfer takes more than the warehouse holds at that moment, stock counts
record the book stock of their date, every amount is quantity times price rounded to two places
and every header total is the sum of its lines. Run it again after changing the tables below and
commit the SQL it writes.

    python3 scripts/make-demo-data.py [output-file]
"""

import datetime as dt
import random
import sys
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path

OUT = Path(sys.argv[1]) if len(sys.argv) > 1 else (
    Path(__file__).resolve().parent.parent / "resources" / "seed" / "demo.sql")

rng = random.Random(20260901)
CENT = Decimal("0.01")


def r2(x):
    """Rounds half away from zero to two places, as the program rounds amounts."""
    return Decimal(x).quantize(CENT, rounding=ROUND_HALF_UP)


def lit(v):
    if v is None:
        return "NULL"
    if isinstance(v, bool):
        return "'1'" if v else "'0'"
    if isinstance(v, (int, Decimal)):
        return str(v)
    if isinstance(v, dt.datetime):
        return "'" + v.strftime("%Y-%m-%d %H:%M:%S") + "'"
    if isinstance(v, dt.date):
        return "'" + v.strftime("%Y-%m-%d") + "'"
    s = str(v)
    assert ";" not in s, s  # keeps the simple statement splitter of the schema files usable
    s.encode("gbk")  # the program counts and writes GBK bytes
    return "'" + s.replace("'", "''") + "'"


lines_out = []


def insert(table, row):
    cols = ", ".join(row.keys())
    vals = ", ".join(lit(v) for v in row.values())
    lines_out.append(f"insert into {table} ({cols}) values ({vals});")


# ---------------------------------------------------------------------------------------------
# Reference data

COMPANY = dict(Id=0, CompanyName="明远电子贸易有限公司（演示）", Manager="陈立新",
               Tel="0571-88886666", Fax="0571-88886667",
               Address="浙江省杭州市西湖区文三路188号", Zip="310012",
               Profile="演示数据：一家经营电子元器件、五金工具和办公用品的小型贸易公司。"
                       "可在“公司信息”中修改为您自己的资料。",
               Updated=False)

WAREHOUSES = [
    (1, "总仓库", "王建国", "0571-88886601", "主仓，采购到货入此仓"),
    (2, "东区仓库", "孙丽", "0571-88886602", "电子元器件"),
    (3, "西区仓库", "周涛", "0571-88886603", "五金工具"),
    (4, "门市部", "吴芳", "0571-88886604", "零售门市"),
]

# (Id, SlfId, PrtId, Name): listed in pre-order; Ids are stable and need not follow SlfId.
CLASSES = [
    (1, 1, 0, "电子元器件"),
    (4, 2, 1, "电阻"),
    (5, 3, 1, "电容"),
    (6, 4, 1, "集成电路"),
    (2, 5, 0, "五金工具"),
    (7, 6, 5, "手动工具"),
    (8, 7, 5, "电动工具"),
    (3, 8, 0, "办公用品"),
    (9, 9, 8, "纸张"),
    (10, 10, 8, "文具"),
]


def class_code(slf):
    by_slf = {c[1]: c for c in CLASSES}
    path = []
    while slf:
        path.insert(0, slf)
        slf = by_slf[slf][2]
    return "".join(f"{n}." for n in path)


# ClassId, Code, Name, PartNo, Brand, Package, Unit, InPrice, OutPrice, LookId, Location
WARES = [
    (4, "DZ-0001", "贴片电阻", "10KΩ±1% 1000只", "国巨", "0603", "包", "8.50", "12.00", "TPDZ", "A-01-01"),
    (4, "DZ-0002", "贴片电阻", "1KΩ±1% 1000只", "国巨", "0603", "包", "8.50", "12.00", "TPDZ", "A-01-02"),
    (4, "DZ-0003", "贴片电阻", "100Ω±5% 1000只", "风华", "0805", "包", "6.80", "9.50", "TPDZ", "A-01-03"),
    (4, "DZ-0004", "金属膜电阻", "4.7KΩ 1/4W 500只", "风华", "插件", "包", "5.20", "7.80", "JSMDZ", "A-01-04"),
    (4, "DZ-0005", "可调电位器", "3296W 10KΩ", "博恩斯", "插件", "个", "1.20", "2.50", "KTDWQ", "A-01-05"),
    (5, "DR-0001", "贴片电容", "100nF 50V 1000只", "村田", "0603", "包", "15.00", "22.00", "TPDR", "A-02-01"),
    (5, "DR-0002", "贴片电容", "10uF 16V 1000只", "三星", "0805", "包", "28.00", "39.00", "TPDR", "A-02-02"),
    (5, "DR-0003", "电解电容", "470uF 25V 200只", "红宝石", "插件", "包", "45.00", "62.00", "DJDR", "A-02-03"),
    (5, "DR-0004", "钽电容", "22uF 10V 500只", "基美", "B型", "包", "96.00", "128.00", "TDR", "A-02-04"),
    (5, "DR-0005", "独石电容", "104 50V 1000只", "风华", "插件", "包", "9.00", "14.00", "DSDR", "A-02-05"),
    (6, "IC-0001", "单片机", "STM32F103C8T6", "意法半导体", "LQFP48", "个", "9.80", "13.50", "DPJ", "A-03-01"),
    (6, "IC-0002", "运算放大器", "LM358", "德州仪器", "SOP8", "个", "0.65", "1.10", "YSFDQ", "A-03-02"),
    (6, "IC-0003", "稳压芯片", "AMS1117-3.3", "AMS", "SOT223", "个", "0.42", "0.80", "WYXP", "A-03-03"),
    (6, "IC-0004", "串口芯片", "CH340G", "沁恒", "SOP16", "个", "1.85", "2.90", "CKXP", "A-03-04"),
    (6, "IC-0005", "存储芯片", "W25Q64JVSSIQ", "华邦", "SOP8", "个", "2.60", "3.80", "CCXP", "A-03-05"),
    (6, "IC-0006", "蓝牙模块", "HC-05", "汇承", "邮票孔", "个", "12.50", "18.00", "LYMK", "A-03-06"),
    (1, "DZ-0101", "面包板", "830孔", "国产", "袋装", "块", "6.00", "10.00", "MBB", "A-04-01"),
    (7, "WJ-0001", "螺丝刀套装", "32件套", "世达", "盒装", "套", "68.00", "98.00", "LSDTZ", "B-01-01"),
    (7, "WJ-0002", "尖嘴钳", "6寸", "世达", "吸卡", "把", "22.00", "35.00", "JZQ", "B-01-02"),
    (7, "WJ-0003", "活动扳手", "10寸", "史丹利", "吸卡", "把", "35.00", "52.00", "HDBS", "B-01-03"),
    (7, "WJ-0004", "卷尺", "5米", "得力", "吸卡", "个", "9.50", "15.00", "JC", "B-01-04"),
    (7, "WJ-0005", "美工刀", "18mm", "得力", "吸卡", "把", "4.20", "7.00", "MGD", "B-01-05"),
    (8, "DG-0001", "充电式电钻", "12V 双电池", "博世", "纸箱", "台", "365.00", "468.00", "CDSDZ", "B-02-01"),
    (8, "DG-0002", "角磨机", "100mm 750W", "东成", "纸箱", "台", "168.00", "228.00", "JMJ", "B-02-02"),
    (8, "DG-0003", "恒温电烙铁", "60W", "白光", "纸箱", "把", "210.00", "285.00", "HWDLT", "B-02-03"),
    (8, "DG-0004", "热风枪", "2000W", "得伟", "纸箱", "台", "189.00", "259.00", "RFQ", "B-02-04"),
    (2, "WJ-0101", "数字万用表", "UT33D", "优利德", "盒装", "台", "98.00", "138.00", "SZWYB", "B-03-01"),
    (9, "ZZ-0001", "复印纸", "A4 70g 500张", "得力", "包", "包", "18.50", "24.00", "FYZ", "C-01-01"),
    (9, "ZZ-0002", "复印纸", "A4 80g 500张", "得力", "包", "包", "22.00", "28.50", "FYZ", "C-01-02"),
    (9, "ZZ-0003", "复印纸", "A3 80g 500张", "亚太森博", "包", "包", "45.00", "58.00", "FYZ", "C-01-03"),
    (9, "ZZ-0004", "便利贴", "76×76mm 100张", "3M", "本", "本", "3.20", "5.50", "BLT", "C-01-04"),
    (9, "ZZ-0005", "牛皮纸信封", "5号 100个", "广博", "包", "包", "12.00", "18.00", "NPZXF", "C-01-05"),
    (10, "WB-0001", "中性笔", "0.5mm 黑色 12支", "晨光", "盒", "盒", "12.00", "18.00", "ZXB", "C-02-01"),
    (10, "WB-0002", "订书机", "12号", "得力", "盒装", "个", "15.00", "24.00", "DSJ", "C-02-02"),
    (10, "WB-0003", "文件夹", "A4 双夹", "得力", "单个", "个", "6.50", "10.00", "WJJ", "C-02-03"),
    (10, "WB-0004", "计算器", "12位 太阳能", "卡西欧", "盒装", "个", "58.00", "79.00", "JSQ", "C-02-04"),
    (10, "WB-0005", "白板笔", "黑色 10支", "真彩", "盒", "盒", "16.00", "25.00", "BBB", "C-02-05"),
    (10, "WB-0006", "笔记本", "A5 100页", "晨光", "单本", "本", "4.80", "8.00", "BJB", "C-02-06"),
    (None, "QT-0001", "包装纸箱", "40×30×30cm", "国产", "散装", "个", "3.50", "5.00", "BZZX", "D-01-01"),
    (None, "QT-0002", "气泡膜", "50cm×100m", "国产", "卷装", "卷", "42.00", "58.00", "QPM", "D-01-02"),
    (None, "QT-0003", "封箱胶带", "48mm×100m", "永大", "卷装", "卷", "4.50", "7.00", "FXJD", "D-01-03"),
]
ELECTRONIC = [i for i, w in enumerate(WARES, 1) if w[0] in (1, 4, 5, 6)]
TOOLS = [i for i, w in enumerate(WARES, 1) if w[0] in (2, 7, 8)]
OFFICE = [i for i, w in enumerate(WARES, 1) if w[0] in (3, 9, 10)]
PACKING = [i for i, w in enumerate(WARES, 1) if w[0] is None]


def ean13(n):
    digits = f"69{n:010d}"
    s = sum(int(d) * (3 if i % 2 else 1) for i, d in enumerate(digits))
    return digits + str((10 - s % 10) % 10)


SUPPLIERS = [
    ("深圳市鹏达电子元件有限公司", "PDDZ", "91440300MA5D000001", "林志鹏", "招商银行深圳华强北支行",
     "755900000000001", "林小姐", "0755-83330001", "0755-83330002", "深圳市福田区华强北路1001号",
     "518031", "www.pengda-demo.cn", "sales@pengda-demo.cn", "电子元器件主要供应商"),
    ("杭州恒丰五金机电有限公司", "HFWJ", "91330100MA2H000002", "郑恒丰", "工商银行杭州城西支行",
     "1202000000000002", "郑经理", "0571-85550001", "0571-85550002", "杭州市拱墅区石祥路66号",
     "310011", "", "hengfeng@demo.cn", ""),
    ("宁波文华办公用品有限公司", "WHBG", "91330200MA2G000003", "何文华", "宁波银行江北支行",
     "5101000000000003", "何先生", "0574-87770001", "", "宁波市江北区人民路20号",
     "315020", "", "", "办公用品每月初送货"),
    ("苏州立信包装材料有限公司", "LXBZ", "91320500MA1M000004", "钱立信", "农业银行苏州工业园区支行",
     "1055000000000004", "钱小姐", "0512-62220001", "0512-62220002", "苏州工业园区星湖街8号",
     "215021", "", "", ""),
    ("广州南方电子科技有限公司", "NFDZ", "91440100MA59000005", "黄南方", "建设银行广州天河支行",
     "4405000000000005", "黄工", "020-38880001", "", "广州市天河区天河路385号",
     "510620", "www.nanfang-demo.cn", "", "集成电路、模块"),
]

CLIENTS = [
    ("杭州智联科技有限公司", "ZLKJ", "91330100MA27000011", "许智联", "杭州银行科技支行",
     "3301000000000011", "许工", "0571-86660011", "0571-86660012", "杭州市滨江区江南大道3880号",
     "310051", "www.zhilian-demo.cn", "buy@zhilian-demo.cn", "月结30天"),
    ("绍兴精工电子设备厂", "JGDZ", "91330600MA28000012", "邵精工", "绍兴银行越城支行",
     "3306000000000012", "邵厂长", "0575-85110012", "", "绍兴市越城区中兴路18号",
     "312000", "", "", ""),
    ("嘉兴市创新电子有限公司", "CXDZ", "91330400MA29000013", "沈创新", "嘉兴银行南湖支行",
     "3304000000000013", "沈小姐", "0573-82220013", "0573-82220014", "嘉兴市南湖区中山路99号",
     "314000", "", "cx@demo.cn", ""),
    ("温州港城贸易公司", "GCMY", "91330300MA2A000014", "潘港城", "温州银行鹿城支行",
     "3303000000000014", "潘先生", "0577-88330014", "", "温州市鹿城区车站大道7号",
     "325000", "", "", "现款现货"),
    ("湖州明德学校", "MDXX", "52330500MJ0000015", "方明德", "湖州银行吴兴支行",
     "3305000000000015", "总务处", "0572-21120015", "", "湖州市吴兴区青铜路1号",
     "313000", "", "", "办公用品、教具"),
    ("零售客户", "LSKH", "", "", "", "", "", "", "", "", "", "", "", "门市部零售"),
]

DEPARTMENTS = [
    (1, "采购部", "赵敏", "0571-88886610", "0571-88886611", "总部二楼", "负责采购与供应商管理"),
    (2, "销售部", "李娜", "0571-88886620", "0571-88886621", "总部一楼", "负责客户与销售"),
    (3, "生产车间", "王强", "0571-88886630", "", "东区仓库旁", "组装、测试与加工"),
    (4, "行政部", "陈静", "0571-88886640", "", "总部三楼", "办公用品领用"),
]

EMPLOYEES = [
    (1, "张伟", "男", "13800000001", "杭州市西湖区"),
    (2, "李娜", "女", "13800000002", "杭州市上城区"),
    (3, "王强", "男", "13800000003", "杭州市拱墅区"),
    (4, "刘洋", "男", "13800000004", "杭州市滨江区"),
    (5, "陈静", "女", "13800000005", "杭州市余杭区"),
    (6, "赵敏", "女", "13800000006", "杭州市萧山区"),
]

PUTIN_TYPES = [(1, "采购入库"), (2, "生产入库"), (3, "其他入库")]
TAKEOUT_TYPES = [(1, "销售出库"), (2, "领用出库"), (3, "其他出库")]

# ---------------------------------------------------------------------------------------------
# Stock simulation

stock = {}  # (house, ware) -> [qty, fund], as the stock balance query sums them


def on_hand(house, ware):
    return stock.get((house, ware), [0, Decimal(0)])


def move_stock(house, ware, qty, fund):
    q, f = on_hand(house, ware)
    q += qty
    f += fund
    assert q >= 0, (house, ware, q)
    stock[(house, ware)] = [q, f]


def unit_price(house, ware):
    q, f = on_hand(house, ware)
    if q == 0:
        return Decimal(0)
    return abs(r2(f / q))


def in_price(w):
    return Decimal(WARES[w - 1][7])


def out_price(w):
    return Decimal(WARES[w - 1][8])


class Kind:
    def __init__(self, table, prefix):
        self.table, self.prefix = table, prefix
        self.next_id = 1
        self.next_dl = 1
        self.seq = {}
        self.count = 0


PUTIN = Kind("putin", "NK")
TAKEOUT = Kind("takeout", "CK")
MOVE = Kind("move", "DB")
REGULATE = Kind("regulate", "PD")

docs = []  # (BillTime, kind, header, lines) in the order they were made
day_clock = {}


def bill_time(day):
    n = day_clock.get(day, 0)
    day_clock[day] = n + 1
    return dt.datetime(day.year, day.month, day.day, 9, 0) + dt.timedelta(minutes=35 * n + 3 * (day.day % 7))


def new_header(kind, day, audited):
    made = bill_time(day)
    yymm = made.strftime("%y%m")
    seq = kind.seq.get(yymm, 0) + 1
    kind.seq[yymm] = seq
    header = {"Id": kind.next_id, "Code": f"{kind.prefix}{yymm}{seq:04d}"}
    kind.next_id += 1
    kind.count += 1
    check = made + dt.timedelta(hours=2, minutes=10) if audited else None
    return header, made, check


def finish(kind, header, made, check, lines, note=""):
    header["Fund"] = r2(sum(l["Fund"] for l in lines))
    header["Billman"] = "sa"
    header["BillTime"] = made
    header["Note"] = note
    header["Checkman"] = "sa" if check else None
    header["CheckTime"] = check
    for l in lines:
        l["dlId"] = kind.next_dl
        kind.next_dl += 1
        l["MastId"] = header["Id"]
    docs.append((kind, header, lines))


def audited_on(day):
    # Documents of the last half month are still waiting for their audit, as are a few others.
    return day < dt.date(2026, 11, 15) and rng.random() > 0.08


def putin(day, house, wares, type_id=1, supplier=None, dept=None, handman=1, sign=1,
          qty_range=(20, 80), batch="", note="", user_code=""):
    header, made, check = new_header(PUTIN, day, audited_on(day))
    header.update(UserCode=user_code, BizDate=day, HouseId=house, SignId=sign, TypeId=type_id,
                  SupplierId=supplier, DeptId=dept, HandmanId=handman, BatchNo=batch)
    lines = []
    for w in wares:
        if sign > 0:
            qty = rng.randint(*qty_range)
        else:
            have = on_hand(house, w)[0]
            if have < 1:
                continue
            qty = min(have, rng.randint(*qty_range))
        price = in_price(w)
        fund = r2(price * qty)
        move_stock(house, w, sign * qty, sign * fund)
        lines.append({"WareId": w, "Qty": qty, "Price": price, "Fund": fund, "dlNote": ""})
    assert lines
    finish(PUTIN, header, made, check, lines, note)


def takeout(day, house, wares, type_id=1, client=None, dept=None, handman=2, sign=1,
            qty_range=(1, 10), note="", user_code="", discount=Decimal(1)):
    header, made, check = new_header(TAKEOUT, day, audited_on(day))
    header.update(UserCode=user_code, BizDate=day, HouseId=house, SignId=sign, TypeId=type_id,
                  ClientId=client, DeptId=dept, HandmanId=handman, BatchNo="")
    lines = []
    for w in wares:
        qty = rng.randint(*qty_range)
        if sign > 0:
            qty = min(qty, on_hand(house, w)[0])
            if qty < 1:
                continue
        # Sales go at the selling price; internal issues at the stock unit price.
        price = r2(out_price(w) * discount) if type_id == 1 else unit_price(house, w)
        fund = r2(price * qty)
        move_stock(house, w, -sign * qty, -sign * fund)
        lines.append({"WareId": w, "Qty": qty, "Price": price, "Fund": fund, "dlNote": "", "Cost": None})
    assert lines, (day, house, wares)
    finish(TAKEOUT, header, made, check, lines, note)


def transfer(day, out_id, in_id, wares, share=(0.2, 0.5), handman=3, note=""):
    header, made, check = new_header(MOVE, day, audited_on(day))
    header.update(UserCode="", BizDate=day, InId=in_id, OutId=out_id, HandmanId=handman)
    lines = []
    for w in wares:
        have = on_hand(out_id, w)[0]
        qty = int(have * rng.uniform(*share))
        if qty < 1:
            continue
        price = unit_price(out_id, w) or in_price(w)
        fund = r2(price * qty)
        move_stock(out_id, w, -qty, -fund)
        move_stock(in_id, w, qty, fund)
        lines.append({"WareId": w, "Qty": qty, "Price": price, "Fund": fund, "dlNote": ""})
    assert lines
    finish(MOVE, header, made, check, lines, note)


def count(day, house, n_wares, handman=5, note=""):
    header, made, check = new_header(REGULATE, day, audited_on(day))
    header.update(UserCode="", BizDate=day, HouseId=house, HandmanId=handman)
    held = sorted(w for (h, w), (q, _) in stock.items() if h == house and q > 0)
    chosen = sorted(rng.sample(held, min(n_wares, len(held))))
    lines = []
    for w in chosen:
        book = on_hand(house, w)[0]
        diff = rng.choice([-2, -1, 0, 0, 0, 0, 1])
        counted = max(0, book + diff)
        qty = counted - book
        price = unit_price(house, w)
        fund = r2(price * qty)
        move_stock(house, w, qty, fund)
        note_text = "" if qty == 0 else ("盘盈" if qty > 0 else "盘亏")
        lines.append({"WareId": w, "BookQty": book, "ReguQty": counted, "Qty": qty,
                      "Price": price, "Fund": fund, "dlNote": note_text})
    finish(REGULATE, header, made, check, lines, note)


def pick(pool, k):
    return sorted(rng.sample(pool, min(k, len(pool))))


def held(house, pool):
    return [w for w in pool if on_hand(house, w)[0] > 0]


D = dt.date
SEP, OCT, NOV = 9, 10, 11
BIG, EAST, WEST, SHOP = 1, 2, 3, 4

# September: the first purchases, stock for the outer warehouses, the first sales.
putin(D(2026, 9, 1), BIG, [w for w in ELECTRONIC if WARES[w - 1][0] != 6], supplier=1,
      qty_range=(40, 120), user_code="CG-0901", batch="20260901", note="开业首批进货")
putin(D(2026, 9, 1), BIG, [w for w in ELECTRONIC if WARES[w - 1][0] == 6], supplier=5,
      qty_range=(200, 600), user_code="CG-0902")
putin(D(2026, 9, 2), BIG, TOOLS, supplier=2, qty_range=(10, 40), user_code="CG-0903")
putin(D(2026, 9, 2), BIG, OFFICE, supplier=3, qty_range=(60, 200), user_code="CG-0904")
putin(D(2026, 9, 3), BIG, PACKING, type_id=3, supplier=4, handman=6, qty_range=(100, 300))
transfer(D(2026, 9, 4), BIG, EAST, ELECTRONIC, share=(0.3, 0.5), note="东区备货")
transfer(D(2026, 9, 4), BIG, SHOP, pick(OFFICE, 7) + pick(TOOLS, 3), share=(0.15, 0.3), note="门市铺货")
takeout(D(2026, 9, 7), EAST, pick(ELECTRONIC, 6), client=1, qty_range=(10, 30), user_code="XS-0907")
takeout(D(2026, 9, 9), SHOP, pick(held(SHOP, OFFICE + TOOLS), 4), client=6, qty_range=(1, 5))
takeout(D(2026, 9, 10), BIG, pick(TOOLS, 4), client=2, qty_range=(2, 6), discount=Decimal("0.95"))
putin(D(2026, 9, 12), EAST, [17], type_id=2, dept=3, handman=3, qty_range=(30, 50), note="车间自制")
takeout(D(2026, 9, 14), BIG, pick(OFFICE, 5), type_id=2, dept=4, handman=5, qty_range=(2, 8), note="行政领用")
putin(D(2026, 9, 15), BIG, [6, 7], supplier=1, sign=-1, qty_range=(3, 6), note="规格不符退回")
takeout(D(2026, 9, 17), EAST, pick(held(EAST, ELECTRONIC), 5), client=3, qty_range=(5, 20))
takeout(D(2026, 9, 21), SHOP, pick(held(SHOP, OFFICE), 4), client=5, qty_range=(3, 10), user_code="XS-0921")
takeout(D(2026, 9, 23), SHOP, pick(held(SHOP, OFFICE), 1), client=5, sign=-1, qty_range=(1, 2), note="客户退回")
takeout(D(2026, 9, 25), BIG, pick(ELECTRONIC, 4), client=4, qty_range=(10, 40))
count(D(2026, 9, 30), SHOP, 8, note="九月月末盘点")

# October: restocking, the west warehouse opens for tools, more sales.
putin(D(2026, 10, 8), BIG, pick(ELECTRONIC, 8), supplier=1, qty_range=(30, 90), user_code="CG-1008")
putin(D(2026, 10, 8), BIG, pick(OFFICE, 6), supplier=3, qty_range=(50, 120), user_code="CG-1009")
transfer(D(2026, 10, 9), BIG, WEST, TOOLS, share=(0.3, 0.6), note="西区开仓")
takeout(D(2026, 10, 10), EAST, pick(held(EAST, ELECTRONIC), 6), client=1, qty_range=(10, 30), user_code="XS-1010")
takeout(D(2026, 10, 12), WEST, pick(held(WEST, TOOLS), 3), client=2, qty_range=(1, 4))
takeout(D(2026, 10, 15), SHOP, pick(held(SHOP, OFFICE + TOOLS), 5), client=6, qty_range=(1, 6))
putin(D(2026, 10, 16), BIG, pick(TOOLS, 4), supplier=2, qty_range=(5, 15), user_code="CG-1016")
takeout(D(2026, 10, 18), EAST, pick(held(EAST, ELECTRONIC), 3), type_id=2, dept=3, handman=3, qty_range=(2, 10), note="车间领料")
transfer(D(2026, 10, 20), EAST, BIG, pick(held(EAST, ELECTRONIC), 3), share=(0.1, 0.2), note="调回总仓")
takeout(D(2026, 10, 22), BIG, pick(held(BIG, OFFICE), 4), client=5, qty_range=(5, 20), discount=Decimal("0.95"))
takeout(D(2026, 10, 24), WEST, pick(held(WEST, TOOLS), 2), client=4, qty_range=(1, 3))
takeout(D(2026, 10, 27), SHOP, pick(held(SHOP, OFFICE), 4), client=6, qty_range=(1, 5))
count(D(2026, 10, 31), EAST, 8, handman=3, note="十月月末盘点")

# November: a large order, returns both ways, the year-end stock build-up.
putin(D(2026, 11, 2), BIG, pick(ELECTRONIC, 6), supplier=5, qty_range=(100, 300), user_code="CG-1102")
transfer(D(2026, 11, 3), BIG, SHOP, pick(held(BIG, OFFICE), 6), share=(0.1, 0.25), note="门市补货")
takeout(D(2026, 11, 5), EAST, pick(held(EAST, ELECTRONIC), 7), client=1, qty_range=(10, 40), user_code="XS-1105")
takeout(D(2026, 11, 6), EAST, pick(held(EAST, ELECTRONIC), 1), client=1, sign=-1, qty_range=(1, 3), note="质量问题退回")
takeout(D(2026, 11, 9), WEST, pick(held(WEST, TOOLS), 3), client=2, qty_range=(1, 3))
putin(D(2026, 11, 11), BIG, PACKING, type_id=3, supplier=4, handman=6, qty_range=(50, 100))
takeout(D(2026, 11, 12), BIG, pick(held(BIG, PACKING), 3), type_id=2, dept=2, handman=2, qty_range=(10, 30), note="销售部发货包装")
takeout(D(2026, 11, 16), SHOP, pick(held(SHOP, OFFICE + TOOLS), 5), client=6, qty_range=(1, 4))
putin(D(2026, 11, 18), BIG, pick(OFFICE, 3), supplier=3, sign=-1, qty_range=(2, 5), note="破损退回")
transfer(D(2026, 11, 20), BIG, WEST, pick(held(BIG, TOOLS), 3), share=(0.2, 0.4))
takeout(D(2026, 11, 23), BIG, pick(held(BIG, ELECTRONIC), 5), client=3, qty_range=(20, 60), discount=Decimal("0.95"))
takeout(D(2026, 11, 25), WEST, pick(held(WEST, TOOLS), 2), client=4, qty_range=(1, 2))
count(D(2026, 11, 30), BIG, 10, handman=6, note="十一月月末盘点")

# ---------------------------------------------------------------------------------------------
# Output

house_names = {h[0]: h[1] for h in WAREHOUSES}


def summary_lines():
    out = [
        "-- The demo company: reference data and three months of stock documents (2026-09 to 2026-11).",
        "-- Written by scripts/make-demo-data.py, which computes the documents so that they are",
        "-- consistent. Change the script, not this file. Every statement ends with a semicolon at",
        "-- the end of a line.",
        "--",
        f"-- Documents: {PUTIN.count} stock-in (NK), {TAKEOUT.count} stock-out (CK), "
        f"{MOVE.count} transfer (DB), {REGULATE.count} stock count (PD).",
        "-- Stock on hand after the last document (quantity and amount as the stock balance sums them):",
    ]
    for w in (11, 28, 23):
        code, name, part = WARES[w - 1][1], WARES[w - 1][2], WARES[w - 1][3]
        out.append(f"--   ware {w} {code} {name} {part}:")
        for h in sorted(house_names):
            q, f = on_hand(h, w)
            if (h, w) in stock:
                out.append(f"--     {house_names[h]} (warehouse {h}): quantity {q}, amount {r2(f)}")
    return out


COLUMN_ORDER = {
    "putin": ["Id", "Code", "UserCode", "BizDate", "HouseId", "SignId", "TypeId", "SupplierId",
              "DeptId", "HandmanId", "BatchNo", "Fund", "Billman", "BillTime", "Note", "Checkman",
              "CheckTime"],
    "takeout": ["Id", "Code", "UserCode", "BizDate", "HouseId", "SignId", "TypeId", "ClientId",
                "DeptId", "HandmanId", "BatchNo", "Fund", "Billman", "BillTime", "Note",
                "Checkman", "CheckTime"],
    "move": ["Id", "Code", "UserCode", "BizDate", "InId", "OutId", "HandmanId", "Fund", "Billman",
             "BillTime", "Note", "Checkman", "CheckTime"],
    "regulate": ["Id", "Code", "UserCode", "BizDate", "HouseId", "HandmanId", "Fund", "Billman",
                 "BillTime", "Note", "Checkman", "CheckTime"],
}
LINE_ORDER = {
    "putin": ["dlId", "MastId", "WareId", "Qty", "Price", "Fund", "dlNote"],
    "takeout": ["dlId", "MastId", "WareId", "Qty", "Price", "Fund", "dlNote", "Cost"],
    "move": ["dlId", "MastId", "WareId", "Qty", "Price", "Fund", "dlNote"],
    "regulate": ["dlId", "MastId", "WareId", "BookQty", "ReguQty", "Qty", "Price", "Fund",
                 "dlNote"],
}


def write():
    lines_out.extend(summary_lines())
    lines_out.append("")
    lines_out.append("-- Prices of the demo wares have cents.")
    insert("keyvalue", {"KeyId": 7, "Value": "2"})
    lines_out.append("")
    insert("company", COMPANY)
    lines_out.append("")
    for h in WAREHOUSES:
        insert("warehouse", dict(zip(["Id", "Name", "Mgr", "Tel", "Note"], h)))
    lines_out.append("")
    for cid, slf, prt, name in CLASSES:
        insert("wareclass", {"Id": cid, "Code": class_code(slf), "Name": name, "Note": "",
                             "SlfId": slf, "PrtId": prt})
    lines_out.append("")
    for i, w in enumerate(WARES, 1):
        cls, code, name, part, brand, package, unit, inp, outp, look, loc = w
        barcode = ean13(100000 + i) if cls in (2, 3, 7, 8, 9, 10, None) else ""
        minq = None if i % 3 == 0 else Decimal(5 if unit in ("台", "套") else 20)
        maxq = None if i % 3 == 0 else Decimal(100 if unit in ("台", "套") else 1000)
        insert("ware", {"Id": i, "ClassId": cls, "Code": code, "Name": name, "PartNo": part,
                        "Brand": brand, "Package": package, "Barcode": barcode, "LookId": look,
                        "Unit": unit, "InPrice": Decimal(inp), "OutPrice": Decimal(outp),
                        "MinQty": minq, "MaxQty": maxq, "Location": loc, "Note": "",
                        "CostId": i % 4})
    lines_out.append("")
    partner_cols = ["Name", "LookId", "TaxId", "Lawman", "Bank", "BankId", "Linkman", "Tel", "Fax",
                    "Addr", "Zip", "Url", "Email", "Note"]
    for i, s in enumerate(SUPPLIERS, 1):
        insert("supplier", {"Id": i, **dict(zip(partner_cols, s))})
    for i, c in enumerate(CLIENTS, 1):
        insert("client", {"Id": i, **dict(zip(partner_cols, c))})
    lines_out.append("")
    for d in DEPARTMENTS:
        insert("department", dict(zip(["Id", "Name", "Manager", "Tel", "Fax", "Address", "Describe"], d)))
    for e in EMPLOYEES:
        insert("employee", {**dict(zip(["Id", "Name", "Sex", "Tel", "Addr"], e)), "Note": ""})
    lines_out.append("")
    for t in PUTIN_TYPES:
        insert("putintype", {"Id": t[0], "Name": t[1], "Corp": None, "Dept": None})
    for t in TAKEOUT_TYPES:
        insert("takeoutype", {"Id": t[0], "Name": t[1], "Corp": None, "Dept": None})
    for kind, header, lines in docs:
        lines_out.append("")
        insert(kind.table, {c: header[c] for c in COLUMN_ORDER[kind.table]})
        for l in lines:
            insert(kind.table + "dl", {c: l[c] for c in LINE_ORDER[kind.table]})
    OUT.write_text("\n".join(lines_out) + "\n", encoding="utf-8")


write()
print(f"{OUT}: {len(docs)} documents, {sum(len(d[2]) for d in docs)} lines")
