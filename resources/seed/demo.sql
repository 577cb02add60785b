-- The demo company: reference data and three months of stock documents (2026-09 to 2026-11).
-- Written by scripts/make-demo-data.py, which computes the documents so that they are
-- consistent. Change the script, not this file. Every statement ends with a semicolon at
-- the end of a line.
--
-- Documents: 13 stock-in (NK), 22 stock-out (CK), 6 transfer (DB), 3 stock count (PD).
-- Stock on hand after the last document (quantity and amount as the stock balance sums them):
--   ware 11 IC-0001 单片机 STM32F103C8T6:
--     总仓库 (warehouse 1): quantity 249, amount 2294.20
--     东区仓库 (warehouse 2): quantity 89, amount 757.92
--   ware 28 ZZ-0001 复印纸 A4 70g 500张:
--     总仓库 (warehouse 1): quantity 121, amount 2238.50
--     门市部 (warehouse 4): quantity 36, amount 666.00
--   ware 23 DG-0001 充电式电钻 12V 双电池:
--     总仓库 (warehouse 1): quantity 9, amount 3080.28
--     西区仓库 (warehouse 3): quantity 12, amount 4107.12
--     门市部 (warehouse 4): quantity 0, amount -360.50

-- Prices of the demo wares have cents.
insert into keyvalue (KeyId, Value) values (7, '2');

insert into company (Id, CompanyName, Manager, Tel, Fax, Address, Zip, Profile, Updated) values (0, '明远电子贸易有限公司（演示）', '陈立新', '0571-88886666', '0571-88886667', '浙江省杭州市西湖区文三路188号', '310012', '演示数据：一家经营电子元器件、五金工具和办公用品的小型贸易公司。可在“公司信息”中修改为您自己的资料。', '0');

insert into warehouse (Id, Name, Mgr, Tel, Note) values (1, '总仓库', '王建国', '0571-88886601', '主仓，采购到货入此仓');
insert into warehouse (Id, Name, Mgr, Tel, Note) values (2, '东区仓库', '孙丽', '0571-88886602', '电子元器件');
insert into warehouse (Id, Name, Mgr, Tel, Note) values (3, '西区仓库', '周涛', '0571-88886603', '五金工具');
insert into warehouse (Id, Name, Mgr, Tel, Note) values (4, '门市部', '吴芳', '0571-88886604', '零售门市');

insert into wareclass (Id, Code, Name, Note, SlfId, PrtId) values (1, '1.', '电子元器件', '', 1, 0);
insert into wareclass (Id, Code, Name, Note, SlfId, PrtId) values (4, '1.2.', '电阻', '', 2, 1);
insert into wareclass (Id, Code, Name, Note, SlfId, PrtId) values (5, '1.3.', '电容', '', 3, 1);
insert into wareclass (Id, Code, Name, Note, SlfId, PrtId) values (6, '1.4.', '集成电路', '', 4, 1);
insert into wareclass (Id, Code, Name, Note, SlfId, PrtId) values (2, '5.', '五金工具', '', 5, 0);
insert into wareclass (Id, Code, Name, Note, SlfId, PrtId) values (7, '5.6.', '手动工具', '', 6, 5);
insert into wareclass (Id, Code, Name, Note, SlfId, PrtId) values (8, '5.7.', '电动工具', '', 7, 5);
insert into wareclass (Id, Code, Name, Note, SlfId, PrtId) values (3, '8.', '办公用品', '', 8, 0);
insert into wareclass (Id, Code, Name, Note, SlfId, PrtId) values (9, '8.9.', '纸张', '', 9, 8);
insert into wareclass (Id, Code, Name, Note, SlfId, PrtId) values (10, '8.10.', '文具', '', 10, 8);

insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (1, 4, 'DZ-0001', '贴片电阻', '10KΩ±1% 1000只', '国巨', '0603', '', 'TPDZ', '包', 8.50, 12.00, 20, 1000, 'A-01-01', '', 1);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (2, 4, 'DZ-0002', '贴片电阻', '1KΩ±1% 1000只', '国巨', '0603', '', 'TPDZ', '包', 8.50, 12.00, 20, 1000, 'A-01-02', '', 2);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (3, 4, 'DZ-0003', '贴片电阻', '100Ω±5% 1000只', '风华', '0805', '', 'TPDZ', '包', 6.80, 9.50, NULL, NULL, 'A-01-03', '', 3);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (4, 4, 'DZ-0004', '金属膜电阻', '4.7KΩ 1/4W 500只', '风华', '插件', '', 'JSMDZ', '包', 5.20, 7.80, 20, 1000, 'A-01-04', '', 0);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (5, 4, 'DZ-0005', '可调电位器', '3296W 10KΩ', '博恩斯', '插件', '', 'KTDWQ', '个', 1.20, 2.50, 20, 1000, 'A-01-05', '', 1);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (6, 5, 'DR-0001', '贴片电容', '100nF 50V 1000只', '村田', '0603', '', 'TPDR', '包', 15.00, 22.00, NULL, NULL, 'A-02-01', '', 2);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (7, 5, 'DR-0002', '贴片电容', '10uF 16V 1000只', '三星', '0805', '', 'TPDR', '包', 28.00, 39.00, 20, 1000, 'A-02-02', '', 3);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (8, 5, 'DR-0003', '电解电容', '470uF 25V 200只', '红宝石', '插件', '', 'DJDR', '包', 45.00, 62.00, 20, 1000, 'A-02-03', '', 0);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (9, 5, 'DR-0004', '钽电容', '22uF 10V 500只', '基美', 'B型', '', 'TDR', '包', 96.00, 128.00, NULL, NULL, 'A-02-04', '', 1);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (10, 5, 'DR-0005', '独石电容', '104 50V 1000只', '风华', '插件', '', 'DSDR', '包', 9.00, 14.00, 20, 1000, 'A-02-05', '', 2);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (11, 6, 'IC-0001', '单片机', 'STM32F103C8T6', '意法半导体', 'LQFP48', '', 'DPJ', '个', 9.80, 13.50, 20, 1000, 'A-03-01', '', 3);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (12, 6, 'IC-0002', '运算放大器', 'LM358', '德州仪器', 'SOP8', '', 'YSFDQ', '个', 0.65, 1.10, NULL, NULL, 'A-03-02', '', 0);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (13, 6, 'IC-0003', '稳压芯片', 'AMS1117-3.3', 'AMS', 'SOT223', '', 'WYXP', '个', 0.42, 0.80, 20, 1000, 'A-03-03', '', 1);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (14, 6, 'IC-0004', '串口芯片', 'CH340G', '沁恒', 'SOP16', '', 'CKXP', '个', 1.85, 2.90, 20, 1000, 'A-03-04', '', 2);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (15, 6, 'IC-0005', '存储芯片', 'W25Q64JVSSIQ', '华邦', 'SOP8', '', 'CCXP', '个', 2.60, 3.80, NULL, NULL, 'A-03-05', '', 3);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (16, 6, 'IC-0006', '蓝牙模块', 'HC-05', '汇承', '邮票孔', '', 'LYMK', '个', 12.50, 18.00, 20, 1000, 'A-03-06', '', 0);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (17, 1, 'DZ-0101', '面包板', '830孔', '国产', '袋装', '', 'MBB', '块', 6.00, 10.00, 20, 1000, 'A-04-01', '', 1);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (18, 7, 'WJ-0001', '螺丝刀套装', '32件套', '世达', '盒装', '6900001000181', 'LSDTZ', '套', 68.00, 98.00, NULL, NULL, 'B-01-01', '', 2);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (19, 7, 'WJ-0002', '尖嘴钳', '6寸', '世达', '吸卡', '6900001000198', 'JZQ', '把', 22.00, 35.00, 20, 1000, 'B-01-02', '', 3);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (20, 7, 'WJ-0003', '活动扳手', '10寸', '史丹利', '吸卡', '6900001000204', 'HDBS', '把', 35.00, 52.00, 20, 1000, 'B-01-03', '', 0);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (21, 7, 'WJ-0004', '卷尺', '5米', '得力', '吸卡', '6900001000211', 'JC', '个', 9.50, 15.00, NULL, NULL, 'B-01-04', '', 1);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (22, 7, 'WJ-0005', '美工刀', '18mm', '得力', '吸卡', '6900001000228', 'MGD', '把', 4.20, 7.00, 20, 1000, 'B-01-05', '', 2);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (23, 8, 'DG-0001', '充电式电钻', '12V 双电池', '博世', '纸箱', '6900001000235', 'CDSDZ', '台', 365.00, 468.00, 5, 100, 'B-02-01', '', 3);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (24, 8, 'DG-0002', '角磨机', '100mm 750W', '东成', '纸箱', '6900001000242', 'JMJ', '台', 168.00, 228.00, NULL, NULL, 'B-02-02', '', 0);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (25, 8, 'DG-0003', '恒温电烙铁', '60W', '白光', '纸箱', '6900001000259', 'HWDLT', '把', 210.00, 285.00, 20, 1000, 'B-02-03', '', 1);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (26, 8, 'DG-0004', '热风枪', '2000W', '得伟', '纸箱', '6900001000266', 'RFQ', '台', 189.00, 259.00, 5, 100, 'B-02-04', '', 2);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (27, 2, 'WJ-0101', '数字万用表', 'UT33D', '优利德', '盒装', '6900001000273', 'SZWYB', '台', 98.00, 138.00, NULL, NULL, 'B-03-01', '', 3);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (28, 9, 'ZZ-0001', '复印纸', 'A4 70g 500张', '得力', '包', '6900001000280', 'FYZ', '包', 18.50, 24.00, 20, 1000, 'C-01-01', '', 0);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (29, 9, 'ZZ-0002', '复印纸', 'A4 80g 500张', '得力', '包', '6900001000297', 'FYZ', '包', 22.00, 28.50, 20, 1000, 'C-01-02', '', 1);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (30, 9, 'ZZ-0003', '复印纸', 'A3 80g 500张', '亚太森博', '包', '6900001000303', 'FYZ', '包', 45.00, 58.00, NULL, NULL, 'C-01-03', '', 2);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (31, 9, 'ZZ-0004', '便利贴', '76×76mm 100张', '3M', '本', '6900001000310', 'BLT', '本', 3.20, 5.50, 20, 1000, 'C-01-04', '', 3);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (32, 9, 'ZZ-0005', '牛皮纸信封', '5号 100个', '广博', '包', '6900001000327', 'NPZXF', '包', 12.00, 18.00, 20, 1000, 'C-01-05', '', 0);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (33, 10, 'WB-0001', '中性笔', '0.5mm 黑色 12支', '晨光', '盒', '6900001000334', 'ZXB', '盒', 12.00, 18.00, NULL, NULL, 'C-02-01', '', 1);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (34, 10, 'WB-0002', '订书机', '12号', '得力', '盒装', '6900001000341', 'DSJ', '个', 15.00, 24.00, 20, 1000, 'C-02-02', '', 2);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (35, 10, 'WB-0003', '文件夹', 'A4 双夹', '得力', '单个', '6900001000358', 'WJJ', '个', 6.50, 10.00, 20, 1000, 'C-02-03', '', 3);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (36, 10, 'WB-0004', '计算器', '12位 太阳能', '卡西欧', '盒装', '6900001000365', 'JSQ', '个', 58.00, 79.00, NULL, NULL, 'C-02-04', '', 0);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (37, 10, 'WB-0005', '白板笔', '黑色 10支', '真彩', '盒', '6900001000372', 'BBB', '盒', 16.00, 25.00, 20, 1000, 'C-02-05', '', 1);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (38, 10, 'WB-0006', '笔记本', 'A5 100页', '晨光', '单本', '6900001000389', 'BJB', '本', 4.80, 8.00, 20, 1000, 'C-02-06', '', 2);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (39, NULL, 'QT-0001', '包装纸箱', '40×30×30cm', '国产', '散装', '6900001000396', 'BZZX', '个', 3.50, 5.00, NULL, NULL, 'D-01-01', '', 3);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (40, NULL, 'QT-0002', '气泡膜', '50cm×100m', '国产', '卷装', '6900001000402', 'QPM', '卷', 42.00, 58.00, 20, 1000, 'D-01-02', '', 0);
insert into ware (Id, ClassId, Code, Name, PartNo, Brand, Package, Barcode, LookId, Unit, InPrice, OutPrice, MinQty, MaxQty, Location, Note, CostId) values (41, NULL, 'QT-0003', '封箱胶带', '48mm×100m', '永大', '卷装', '6900001000419', 'FXJD', '卷', 4.50, 7.00, 20, 1000, 'D-01-03', '', 1);

insert into supplier (Id, Name, LookId, TaxId, Lawman, Bank, BankId, Linkman, Tel, Fax, Addr, Zip, Url, Email, Note) values (1, '深圳市鹏达电子元件有限公司', 'PDDZ', '91440300MA5D000001', '林志鹏', '招商银行深圳华强北支行', '755900000000001', '林小姐', '0755-83330001', '0755-83330002', '深圳市福田区华强北路1001号', '518031', 'www.pengda-demo.cn', 'sales@pengda-demo.cn', '电子元器件主要供应商');
insert into supplier (Id, Name, LookId, TaxId, Lawman, Bank, BankId, Linkman, Tel, Fax, Addr, Zip, Url, Email, Note) values (2, '杭州恒丰五金机电有限公司', 'HFWJ', '91330100MA2H000002', '郑恒丰', '工商银行杭州城西支行', '1202000000000002', '郑经理', '0571-85550001', '0571-85550002', '杭州市拱墅区石祥路66号', '310011', '', 'hengfeng@demo.cn', '');
insert into supplier (Id, Name, LookId, TaxId, Lawman, Bank, BankId, Linkman, Tel, Fax, Addr, Zip, Url, Email, Note) values (3, '宁波文华办公用品有限公司', 'WHBG', '91330200MA2G000003', '何文华', '宁波银行江北支行', '5101000000000003', '何先生', '0574-87770001', '', '宁波市江北区人民路20号', '315020', '', '', '办公用品每月初送货');
insert into supplier (Id, Name, LookId, TaxId, Lawman, Bank, BankId, Linkman, Tel, Fax, Addr, Zip, Url, Email, Note) values (4, '苏州立信包装材料有限公司', 'LXBZ', '91320500MA1M000004', '钱立信', '农业银行苏州工业园区支行', '1055000000000004', '钱小姐', '0512-62220001', '0512-62220002', '苏州工业园区星湖街8号', '215021', '', '', '');
insert into supplier (Id, Name, LookId, TaxId, Lawman, Bank, BankId, Linkman, Tel, Fax, Addr, Zip, Url, Email, Note) values (5, '广州南方电子科技有限公司', 'NFDZ', '91440100MA59000005', '黄南方', '建设银行广州天河支行', '4405000000000005', '黄工', '020-38880001', '', '广州市天河区天河路385号', '510620', 'www.nanfang-demo.cn', '', '集成电路、模块');
insert into client (Id, Name, LookId, TaxId, Lawman, Bank, BankId, Linkman, Tel, Fax, Addr, Zip, Url, Email, Note) values (1, '杭州智联科技有限公司', 'ZLKJ', '91330100MA27000011', '许智联', '杭州银行科技支行', '3301000000000011', '许工', '0571-86660011', '0571-86660012', '杭州市滨江区江南大道3880号', '310051', 'www.zhilian-demo.cn', 'buy@zhilian-demo.cn', '月结30天');
insert into client (Id, Name, LookId, TaxId, Lawman, Bank, BankId, Linkman, Tel, Fax, Addr, Zip, Url, Email, Note) values (2, '绍兴精工电子设备厂', 'JGDZ', '91330600MA28000012', '邵精工', '绍兴银行越城支行', '3306000000000012', '邵厂长', '0575-85110012', '', '绍兴市越城区中兴路18号', '312000', '', '', '');
insert into client (Id, Name, LookId, TaxId, Lawman, Bank, BankId, Linkman, Tel, Fax, Addr, Zip, Url, Email, Note) values (3, '嘉兴市创新电子有限公司', 'CXDZ', '91330400MA29000013', '沈创新', '嘉兴银行南湖支行', '3304000000000013', '沈小姐', '0573-82220013', '0573-82220014', '嘉兴市南湖区中山路99号', '314000', '', 'cx@demo.cn', '');
insert into client (Id, Name, LookId, TaxId, Lawman, Bank, BankId, Linkman, Tel, Fax, Addr, Zip, Url, Email, Note) values (4, '温州港城贸易公司', 'GCMY', '91330300MA2A000014', '潘港城', '温州银行鹿城支行', '3303000000000014', '潘先生', '0577-88330014', '', '温州市鹿城区车站大道7号', '325000', '', '', '现款现货');
insert into client (Id, Name, LookId, TaxId, Lawman, Bank, BankId, Linkman, Tel, Fax, Addr, Zip, Url, Email, Note) values (5, '湖州明德学校', 'MDXX', '52330500MJ0000015', '方明德', '湖州银行吴兴支行', '3305000000000015', '总务处', '0572-21120015', '', '湖州市吴兴区青铜路1号', '313000', '', '', '办公用品、教具');
insert into client (Id, Name, LookId, TaxId, Lawman, Bank, BankId, Linkman, Tel, Fax, Addr, Zip, Url, Email, Note) values (6, '零售客户', 'LSKH', '', '', '', '', '', '', '', '', '', '', '', '门市部零售');

insert into department (Id, Name, Manager, Tel, Fax, Address, Describe) values (1, '采购部', '赵敏', '0571-88886610', '0571-88886611', '总部二楼', '负责采购与供应商管理');
insert into department (Id, Name, Manager, Tel, Fax, Address, Describe) values (2, '销售部', '李娜', '0571-88886620', '0571-88886621', '总部一楼', '负责客户与销售');
insert into department (Id, Name, Manager, Tel, Fax, Address, Describe) values (3, '生产车间', '王强', '0571-88886630', '', '东区仓库旁', '组装、测试与加工');
insert into department (Id, Name, Manager, Tel, Fax, Address, Describe) values (4, '行政部', '陈静', '0571-88886640', '', '总部三楼', '办公用品领用');
insert into employee (Id, Name, Sex, Tel, Addr, Note) values (1, '张伟', '男', '13800000001', '杭州市西湖区', '');
insert into employee (Id, Name, Sex, Tel, Addr, Note) values (2, '李娜', '女', '13800000002', '杭州市上城区', '');
insert into employee (Id, Name, Sex, Tel, Addr, Note) values (3, '王强', '男', '13800000003', '杭州市拱墅区', '');
insert into employee (Id, Name, Sex, Tel, Addr, Note) values (4, '刘洋', '男', '13800000004', '杭州市滨江区', '');
insert into employee (Id, Name, Sex, Tel, Addr, Note) values (5, '陈静', '女', '13800000005', '杭州市余杭区', '');
insert into employee (Id, Name, Sex, Tel, Addr, Note) values (6, '赵敏', '女', '13800000006', '杭州市萧山区', '');

insert into putintype (Id, Name, Corp, Dept) values (1, '采购入库', NULL, NULL);
insert into putintype (Id, Name, Corp, Dept) values (2, '生产入库', NULL, NULL);
insert into putintype (Id, Name, Corp, Dept) values (3, '其他入库', NULL, NULL);
insert into takeoutype (Id, Name, Corp, Dept) values (1, '销售出库', NULL, NULL);
insert into takeoutype (Id, Name, Corp, Dept) values (2, '领用出库', NULL, NULL);
insert into takeoutype (Id, Name, Corp, Dept) values (3, '其他出库', NULL, NULL);

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (1, 'NK26090001', 'CG-0901', '2026-09-01', 1, 1, 1, 1, NULL, 1, '20260901', 19076.60, 'sa', '2026-09-01 09:03:00', '开业首批进货', 'sa', '2026-09-01 11:13:00');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (1, 1, 1, 42, 8.50, 357.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (2, 1, 2, 104, 8.50, 884.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (3, 1, 3, 108, 6.80, 734.40, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (4, 1, 4, 79, 5.20, 410.80, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (5, 1, 5, 77, 1.20, 92.40, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (6, 1, 6, 116, 15.00, 1740.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (7, 1, 7, 80, 28.00, 2240.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (8, 1, 8, 62, 45.00, 2790.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (9, 1, 9, 90, 96.00, 8640.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (10, 1, 10, 82, 9.00, 738.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (11, 1, 17, 75, 6.00, 450.00, '');

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (2, 'NK26090002', 'CG-0902', '2026-09-01', 1, 1, 1, 5, NULL, 1, '', 10810.79, 'sa', '2026-09-01 09:38:00', '', 'sa', '2026-09-01 11:48:00');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (12, 2, 11, 374, 9.80, 3665.20, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (13, 2, 12, 328, 0.65, 213.20, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (14, 2, 13, 497, 0.42, 208.74, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (15, 2, 14, 423, 1.85, 782.55, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (16, 2, 15, 386, 2.60, 1003.60, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (17, 2, 16, 395, 12.50, 4937.50, '');

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (3, 'NK26090003', 'CG-0903', '2026-09-02', 1, 1, 1, 2, NULL, 1, '', 32250.50, 'sa', '2026-09-02 09:06:00', '', 'sa', '2026-09-02 11:16:00');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (18, 3, 18, 13, 68.00, 884.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (19, 3, 19, 29, 22.00, 638.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (20, 3, 20, 32, 35.00, 1120.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (21, 3, 21, 25, 9.50, 237.50, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (22, 3, 22, 10, 4.20, 42.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (23, 3, 23, 34, 365.00, 12410.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (24, 3, 24, 32, 168.00, 5376.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (25, 3, 25, 12, 210.00, 2520.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (26, 3, 26, 27, 189.00, 5103.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (27, 3, 27, 40, 98.00, 3920.00, '');

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (4, 'NK26090004', 'CG-0904', '2026-09-02', 1, 1, 1, 3, NULL, 1, '', 29311.50, 'sa', '2026-09-02 09:41:00', '', 'sa', '2026-09-02 11:51:00');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (28, 4, 28, 157, 18.50, 2904.50, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (29, 4, 29, 61, 22.00, 1342.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (30, 4, 30, 79, 45.00, 3555.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (31, 4, 31, 174, 3.20, 556.80, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (32, 4, 32, 60, 12.00, 720.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (33, 4, 33, 199, 12.00, 2388.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (34, 4, 34, 200, 15.00, 3000.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (35, 4, 35, 80, 6.50, 520.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (36, 4, 36, 189, 58.00, 10962.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (37, 4, 37, 158, 16.00, 2528.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (38, 4, 38, 174, 4.80, 835.20, '');

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (5, 'NK26090005', '', '2026-09-03', 1, 1, 3, 4, NULL, 6, '', 12460.00, 'sa', '2026-09-03 09:09:00', '', 'sa', '2026-09-03 11:19:00');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (39, 5, 39, 188, 3.50, 658.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (40, 5, 40, 263, 42.00, 11046.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (41, 5, 41, 168, 4.50, 756.00, '');

insert into move (Id, Code, UserCode, BizDate, InId, OutId, HandmanId, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (1, 'DB26090001', '', '2026-09-04', 2, 1, 3, 11295.77, 'sa', '2026-09-04 09:12:00', '东区备货', 'sa', '2026-09-04 11:22:00');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (1, 1, 1, 18, 8.50, 153.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (2, 1, 2, 35, 8.50, 297.50, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (3, 1, 3, 34, 6.80, 231.20, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (4, 1, 4, 38, 5.20, 197.60, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (5, 1, 5, 37, 1.20, 44.40, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (6, 1, 6, 37, 15.00, 555.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (7, 1, 7, 31, 28.00, 868.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (8, 1, 8, 30, 45.00, 1350.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (9, 1, 9, 27, 96.00, 2592.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (10, 1, 10, 31, 9.00, 279.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (11, 1, 11, 132, 9.80, 1293.60, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (12, 1, 12, 159, 0.65, 103.35, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (13, 1, 13, 246, 0.42, 103.32, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (14, 1, 14, 148, 1.85, 273.80, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (15, 1, 15, 180, 2.60, 468.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (16, 1, 16, 184, 12.50, 2300.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (17, 1, 17, 31, 6.00, 186.00, '');

insert into move (Id, Code, UserCode, BizDate, InId, OutId, HandmanId, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (2, 'DB26090002', '', '2026-09-04', 4, 1, 3, 8529.70, 'sa', '2026-09-04 09:47:00', '门市铺货', 'sa', '2026-09-04 11:57:00');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (18, 2, 30, 14, 45.00, 630.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (19, 2, 31, 49, 3.20, 156.80, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (20, 2, 32, 9, 12.00, 108.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (21, 2, 34, 38, 15.00, 570.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (22, 2, 35, 19, 6.50, 123.50, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (23, 2, 36, 47, 58.00, 2726.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (24, 2, 37, 42, 16.00, 672.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (25, 2, 22, 2, 4.20, 8.40, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (26, 2, 23, 7, 365.00, 2555.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (27, 2, 27, 10, 98.00, 980.00, '');

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (1, 'CK26090001', 'XS-0907', '2026-09-07', 2, 1, 1, 1, NULL, 2, '', 775.00, 'sa', '2026-09-07 09:00:00', '', 'sa', '2026-09-07 11:10:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (1, 1, 5, 29, 2.50, 72.50, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (2, 1, 10, 15, 14.00, 210.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (3, 1, 11, 19, 13.50, 256.50, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (4, 1, 13, 22, 0.80, 17.60, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (5, 1, 15, 18, 3.80, 68.40, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (6, 1, 17, 15, 10.00, 150.00, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (2, 'CK26090002', '', '2026-09-09', 4, 1, 1, 6, NULL, 2, '', 2399.00, 'sa', '2026-09-09 09:06:00', '', 'sa', '2026-09-09 11:16:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (7, 2, 22, 2, 7.00, 14.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (8, 2, 23, 5, 468.00, 2340.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (9, 2, 35, 2, 10.00, 20.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (10, 2, 37, 1, 25.00, 25.00, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (3, 'CK26090003', '', '2026-09-10', 1, 1, 1, 2, NULL, 2, '', 3091.30, 'sa', '2026-09-10 09:09:00', '', 'sa', '2026-09-10 11:19:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (11, 3, 19, 4, 33.25, 133.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (12, 3, 21, 2, 14.25, 28.50, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (13, 3, 23, 6, 444.60, 2667.60, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (14, 3, 27, 2, 131.10, 262.20, '', NULL);

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (6, 'NK26090006', '', '2026-09-12', 2, 1, 2, NULL, 3, 3, '', 264.00, 'sa', '2026-09-12 09:15:00', '车间自制', 'sa', '2026-09-12 11:25:00');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (42, 6, 17, 44, 6.00, 264.00, '');

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (4, 'CK26090004', '', '2026-09-14', 1, 1, 2, NULL, 4, 5, '', 346.60, 'sa', '2026-09-14 09:00:00', '行政领用', 'sa', '2026-09-14 11:10:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (15, 4, 29, 6, 22.00, 132.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (16, 4, 31, 5, 3.20, 16.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (17, 4, 32, 5, 12.00, 60.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (18, 4, 34, 7, 15.00, 105.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (19, 4, 38, 7, 4.80, 33.60, '', NULL);

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (7, 'NK26090007', '', '2026-09-15', 1, -1, 1, 1, NULL, 1, '', 202.00, 'sa', '2026-09-15 09:03:00', '规格不符退回', NULL, NULL);
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (43, 7, 6, 6, 15.00, 90.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (44, 7, 7, 4, 28.00, 112.00, '');

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (5, 'CK26090005', '', '2026-09-17', 2, 1, 1, 3, NULL, 2, '', 730.30, 'sa', '2026-09-17 09:09:00', '', 'sa', '2026-09-17 11:19:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (20, 5, 1, 13, 12.00, 156.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (21, 5, 2, 20, 12.00, 240.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (22, 5, 3, 20, 9.50, 190.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (23, 5, 12, 13, 1.10, 14.30, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (24, 5, 17, 13, 10.00, 130.00, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (6, 'CK26090006', 'XS-0921', '2026-09-21', 4, 1, 1, 5, NULL, 2, '', 410.00, 'sa', '2026-09-21 09:00:00', '', 'sa', '2026-09-21 11:10:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (25, 6, 31, 8, 5.50, 44.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (26, 6, 32, 4, 18.00, 72.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (27, 6, 34, 6, 24.00, 144.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (28, 6, 37, 6, 25.00, 150.00, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (7, 'CK26090007', '', '2026-09-23', 4, -1, 1, 5, NULL, 2, '', 158.00, 'sa', '2026-09-23 09:06:00', '客户退回', 'sa', '2026-09-23 11:16:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (29, 7, 36, 2, 79.00, 158.00, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (8, 'CK26090008', '', '2026-09-25', 1, 1, 1, 4, NULL, 2, '', 1600.20, 'sa', '2026-09-25 09:12:00', '', 'sa', '2026-09-25 11:22:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (30, 8, 7, 19, 39.00, 741.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (31, 8, 11, 36, 13.50, 486.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (32, 8, 13, 29, 0.80, 23.20, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (33, 8, 17, 35, 10.00, 350.00, '', NULL);

insert into regulate (Id, Code, UserCode, BizDate, HouseId, HandmanId, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (1, 'PD26090001', '', '2026-09-30', 4, 5, -244.60, 'sa', '2026-09-30 09:06:00', '九月月末盘点', 'sa', '2026-09-30 11:16:00');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (1, 1, 23, 2, 1, -1, 107.50, -107.50, '盘亏');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (2, 1, 27, 10, 10, 0, 98.00, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (3, 1, 30, 14, 14, 0, 45.00, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (4, 1, 31, 41, 41, 0, 2.75, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (5, 1, 32, 5, 4, -1, 7.20, -7.20, '盘亏');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (6, 1, 35, 17, 15, -2, 6.09, -12.18, '盘亏');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (7, 1, 36, 49, 47, -2, 58.86, -117.72, '盘亏');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (8, 1, 37, 35, 35, 0, 14.20, 0.00, '');

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (8, 'NK26100001', 'CG-1008', '2026-10-08', 1, 1, 1, 1, NULL, 1, '', 8462.25, 'sa', '2026-10-08 09:03:00', '', 'sa', '2026-10-08 11:13:00');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (45, 8, 3, 78, 6.80, 530.40, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (46, 8, 6, 33, 15.00, 495.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (47, 8, 9, 60, 96.00, 5760.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (48, 8, 10, 85, 9.00, 765.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (49, 8, 11, 33, 9.80, 323.40, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (50, 8, 14, 89, 1.85, 164.65, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (51, 8, 15, 73, 2.60, 189.80, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (52, 8, 17, 39, 6.00, 234.00, '');

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (9, 'NK26100002', 'CG-1009', '2026-10-08', 1, 1, 1, 3, NULL, 1, '', 15027.20, 'sa', '2026-10-08 09:38:00', '', 'sa', '2026-10-08 11:48:00');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (53, 9, 29, 96, 22.00, 2112.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (54, 9, 30, 99, 45.00, 4455.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (55, 9, 31, 76, 3.20, 243.20, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (56, 9, 33, 85, 12.00, 1020.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (57, 9, 34, 97, 15.00, 1455.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (58, 9, 36, 99, 58.00, 5742.00, '');

insert into move (Id, Code, UserCode, BizDate, InId, OutId, HandmanId, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (3, 'DB26100001', '', '2026-10-09', 3, 1, 3, 10648.93, 'sa', '2026-10-09 09:06:00', '西区开仓', 'sa', '2026-10-09 11:16:00');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (28, 3, 18, 7, 68.00, 476.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (29, 3, 19, 11, 20.20, 222.20, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (30, 3, 20, 10, 35.00, 350.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (31, 3, 21, 9, 9.09, 81.81, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (32, 3, 22, 4, 4.20, 16.80, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (33, 3, 23, 8, 342.26, 2738.08, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (34, 3, 24, 12, 168.00, 2016.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (35, 3, 25, 5, 210.00, 1050.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (36, 3, 26, 14, 189.00, 2646.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (37, 3, 27, 11, 95.64, 1052.04, '');

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (9, 'CK26100001', 'XS-1010', '2026-10-10', 2, 1, 1, 1, NULL, 2, '', 656.40, 'sa', '2026-10-10 09:09:00', '', 'sa', '2026-10-10 11:19:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (34, 9, 3, 14, 9.50, 133.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (35, 9, 11, 15, 13.50, 202.50, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (36, 9, 12, 13, 1.10, 14.30, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (37, 9, 13, 22, 0.80, 17.60, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (38, 9, 14, 10, 2.90, 29.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (39, 9, 17, 26, 10.00, 260.00, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (10, 'CK26100002', '', '2026-10-12', 3, 1, 1, 2, NULL, 2, '', 472.00, 'sa', '2026-10-12 09:15:00', '', 'sa', '2026-10-12 11:25:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (40, 10, 21, 2, 15.00, 30.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (41, 10, 22, 4, 7.00, 28.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (42, 10, 27, 3, 138.00, 414.00, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (11, 'CK26100003', '', '2026-10-15', 4, 1, 1, 6, NULL, 2, '', 883.00, 'sa', '2026-10-15 09:03:00', '', 'sa', '2026-10-15 11:13:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (43, 11, 23, 1, 468.00, 468.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (44, 11, 30, 5, 58.00, 290.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (45, 11, 31, 6, 5.50, 33.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (46, 11, 32, 4, 18.00, 72.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (47, 11, 35, 2, 10.00, 20.00, '', NULL);

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (10, 'NK26100003', 'CG-1016', '2026-10-16', 1, 1, 1, 2, NULL, 1, '', 3100.00, 'sa', '2026-10-16 09:06:00', '', 'sa', '2026-10-16 11:16:00');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (59, 10, 18, 12, 68.00, 816.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (60, 10, 20, 14, 35.00, 490.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (61, 10, 21, 12, 9.50, 114.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (62, 10, 24, 10, 168.00, 1680.00, '');

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (12, 'CK26100004', '', '2026-10-18', 2, 1, 2, NULL, 3, 3, '', 218.57, 'sa', '2026-10-18 09:12:00', '车间领料', 'sa', '2026-10-18 11:22:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (48, 12, 7, 7, 28.00, 196.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (49, 12, 10, 5, 4.31, 21.55, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (50, 12, 13, 3, 0.34, 1.02, '', NULL);

insert into move (Id, Code, UserCode, BizDate, InId, OutId, HandmanId, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (4, 'DB26100002', '', '2026-10-20', 1, 2, 3, 197.20, 'sa', '2026-10-20 09:18:00', '调回总仓', 'sa', '2026-10-20 11:28:00');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (38, 4, 7, 4, 28.00, 112.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (39, 4, 11, 10, 8.52, 85.20, '');

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (13, 'CK26100005', '', '2026-10-22', 1, 1, 1, 5, NULL, 2, '', 579.64, 'sa', '2026-10-22 09:03:00', '', 'sa', '2026-10-22 11:13:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (51, 13, 29, 8, 27.08, 216.64, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (52, 13, 31, 20, 5.23, 104.60, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (53, 13, 32, 8, 17.10, 136.80, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (54, 13, 38, 16, 7.60, 121.60, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (14, 'CK26100006', '', '2026-10-24', 3, 1, 1, 4, NULL, 2, '', 579.00, 'sa', '2026-10-24 09:09:00', '', 'sa', '2026-10-24 11:19:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (55, 14, 18, 3, 98.00, 294.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (56, 14, 25, 1, 285.00, 285.00, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (15, 'CK26100007', '', '2026-10-27', 4, 1, 1, 6, NULL, 2, '', 386.00, 'sa', '2026-10-27 09:18:00', '', 'sa', '2026-10-27 11:28:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (57, 15, 30, 5, 58.00, 290.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (58, 15, 31, 4, 5.50, 22.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (59, 15, 34, 1, 24.00, 24.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (60, 15, 35, 5, 10.00, 50.00, '', NULL);

insert into regulate (Id, Code, UserCode, BizDate, HouseId, HandmanId, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (2, 'PD26100001', '', '2026-10-31', 2, 3, 35.46, 'sa', '2026-10-31 09:09:00', '十月月末盘点', 'sa', '2026-10-31 11:19:00');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (9, 2, 2, 15, 13, -2, 3.83, -7.66, '盘亏');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (10, 2, 4, 38, 36, -2, 5.20, -10.40, '盘亏');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (11, 2, 5, 8, 8, 0, 3.51, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (12, 2, 7, 20, 20, 0, 28.00, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (13, 2, 8, 30, 31, 1, 45.00, 45.00, '盘盈');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (14, 2, 9, 27, 27, 0, 96.00, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (15, 2, 11, 88, 89, 1, 8.52, 8.52, '盘盈');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (16, 2, 12, 133, 133, 0, 0.56, 0.00, '');

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (11, 'NK26110001', 'CG-1102', '2026-11-02', 1, 1, 1, 5, NULL, 1, '', 12790.00, 'sa', '2026-11-02 09:06:00', '', 'sa', '2026-11-02 11:16:00');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (63, 11, 3, 118, 6.80, 802.40, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (64, 11, 7, 223, 28.00, 6244.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (65, 11, 10, 208, 9.00, 1872.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (66, 11, 12, 128, 0.65, 83.20, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (67, 11, 13, 270, 0.42, 113.40, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (68, 11, 16, 294, 12.50, 3675.00, '');

insert into move (Id, Code, UserCode, BizDate, InId, OutId, HandmanId, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (5, 'DB26110001', '', '2026-11-03', 4, 1, 3, 3914.08, 'sa', '2026-11-03 09:09:00', '门市补货', 'sa', '2026-11-03 11:19:00');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (40, 5, 28, 36, 18.50, 666.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (41, 5, 32, 6, 10.93, 65.58, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (42, 5, 33, 57, 12.00, 684.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (43, 5, 35, 9, 6.50, 58.50, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (44, 5, 36, 36, 58.00, 2088.00, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (45, 5, 37, 22, 16.00, 352.00, '');

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (16, 'CK26110001', 'XS-1105', '2026-11-05', 2, 1, 1, 1, NULL, 2, '', 4210.40, 'sa', '2026-11-05 09:15:00', '', 'sa', '2026-11-05 11:25:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (61, 16, 5, 8, 2.50, 20.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (62, 16, 9, 27, 128.00, 3456.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (63, 16, 12, 32, 1.10, 35.20, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (64, 16, 14, 16, 2.90, 46.40, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (65, 16, 15, 36, 3.80, 136.80, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (66, 16, 16, 17, 18.00, 306.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (67, 16, 17, 21, 10.00, 210.00, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (17, 'CK26110002', '', '2026-11-06', 2, -1, 1, 1, NULL, 2, '', 11.40, 'sa', '2026-11-06 09:18:00', '质量问题退回', 'sa', '2026-11-06 11:28:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (68, 17, 15, 3, 3.80, 11.40, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (18, 'CK26110003', '', '2026-11-09', 3, 1, 1, 2, NULL, 2, '', 925.00, 'sa', '2026-11-09 09:06:00', '', 'sa', '2026-11-09 11:16:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (69, 18, 18, 2, 98.00, 196.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (70, 18, 21, 3, 15.00, 45.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (71, 18, 24, 3, 228.00, 684.00, '', NULL);

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (12, 'NK26110002', '', '2026-11-11', 1, 1, 3, 4, NULL, 6, '', 4443.00, 'sa', '2026-11-11 09:12:00', '', 'sa', '2026-11-11 11:22:00');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (69, 12, 39, 66, 3.50, 231.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (70, 12, 40, 93, 42.00, 3906.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (71, 12, 41, 68, 4.50, 306.00, '');

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (19, 'CK26110004', '', '2026-11-12', 1, 1, 2, NULL, 2, 2, '', 1066.50, 'sa', '2026-11-12 09:15:00', '销售部发货包装', 'sa', '2026-11-12 11:25:00');
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (72, 19, 39, 24, 3.50, 84.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (73, 19, 40, 22, 42.00, 924.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (74, 19, 41, 13, 4.50, 58.50, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (20, 'CK26110005', '', '2026-11-16', 4, 1, 1, 6, NULL, 2, '', 528.00, 'sa', '2026-11-16 09:06:00', '', NULL, NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (75, 20, 27, 2, 138.00, 276.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (76, 20, 30, 2, 58.00, 116.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (77, 20, 32, 3, 18.00, 54.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (78, 20, 33, 4, 18.00, 72.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (79, 20, 35, 1, 10.00, 10.00, '', NULL);

insert into putin (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, SupplierId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (13, 'NK26110003', '', '2026-11-18', 1, -1, 1, 3, NULL, 1, '', 110.40, 'sa', '2026-11-18 09:12:00', '破损退回', NULL, NULL);
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (72, 13, 31, 2, 3.20, 6.40, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (73, 13, 37, 5, 16.00, 80.00, '');
insert into putindl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (74, 13, 38, 5, 4.80, 24.00, '');

insert into move (Id, Code, UserCode, BizDate, InId, OutId, HandmanId, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (6, 'DB26110002', '', '2026-11-20', 3, 1, 3, 1947.02, 'sa', '2026-11-20 09:18:00', '', NULL, NULL);
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (46, 6, 22, 1, 4.20, 4.20, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (47, 6, 23, 4, 342.26, 1369.04, '');
insert into movedl (dlId, MastId, WareId, Qty, Price, Fund, dlNote) values (48, 6, 27, 6, 95.63, 573.78, '');

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (21, 'CK26110006', '', '2026-11-23', 1, 1, 1, 3, NULL, 2, '', 1417.12, 'sa', '2026-11-23 09:06:00', '', NULL, NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (80, 21, 1, 24, 11.40, 273.60, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (81, 21, 5, 39, 2.38, 92.82, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (82, 21, 10, 43, 13.30, 571.90, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (83, 21, 13, 30, 0.76, 22.80, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (84, 21, 17, 48, 9.50, 456.00, '', NULL);

insert into takeout (Id, Code, UserCode, BizDate, HouseId, SignId, TypeId, ClientId, DeptId, HandmanId, BatchNo, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (22, 'CK26110007', '', '2026-11-25', 3, 1, 1, 4, NULL, 2, '', 766.00, 'sa', '2026-11-25 09:12:00', '', NULL, NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (85, 22, 18, 2, 98.00, 196.00, '', NULL);
insert into takeoutdl (dlId, MastId, WareId, Qty, Price, Fund, dlNote, Cost) values (86, 22, 25, 2, 285.00, 570.00, '', NULL);

insert into regulate (Id, Code, UserCode, BizDate, HouseId, HandmanId, Fund, Billman, BillTime, Note, Checkman, CheckTime) values (3, 'PD26110001', '', '2026-11-30', 1, 6, 5.20, 'sa', '2026-11-30 09:06:00', '十一月月末盘点', NULL, NULL);
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (17, 3, 2, 69, 69, 0, 8.50, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (18, 3, 4, 41, 42, 1, 5.20, 5.20, '盘盈');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (19, 3, 5, 1, 1, 0, 44.82, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (20, 3, 9, 123, 123, 0, 96.00, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (21, 3, 10, 301, 301, 0, 8.39, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (22, 3, 15, 279, 279, 0, 2.60, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (23, 3, 24, 30, 30, 0, 168.00, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (24, 3, 25, 7, 7, 0, 210.00, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (25, 3, 34, 252, 252, 0, 15.00, 0.00, '');
insert into regulatedl (dlId, MastId, WareId, BookQty, ReguQty, Qty, Price, Fund, dlNote) values (26, 3, 35, 52, 52, 0, 6.50, 0.00, '');
