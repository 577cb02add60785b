-- Rows of a new installation, common to both back ends: dates are 'yyyy-mm-dd' text and
-- booleans '0'/'1' literals, which both accept. Every statement ends with a semicolon at the
-- end of a line.

-- Directions of stock-in and stock-out documents: the Id multiplies the line quantities.
insert into putinsign (Id, Name) values (1, '正常入库');
insert into putinsign (Id, Name) values (-1, '入库退货');
insert into takeoutsign (Id, Name) values (1, '正常出库');
insert into takeoutsign (Id, Name) values (-1, '出库退货');

-- Cost methods by their number in the cost calculator.
insert into costing (Id, Name) values (0, '全月一次加权平均法');
insert into costing (Id, Name) values (1, '移动加权平均法');
insert into costing (Id, Name) values (2, '先进先出法');
insert into costing (Id, Name) values (3, '后进先出法');

-- The super user, who holds every right; a new database logs in with an empty password.
insert into operator (LoginId, Password, Name, Contact, Note, Rights, Menus, Houses) values ('sa', '', '系统管理员', '', '', '', '', '');

-- Captions of ware, batch and client columns, which the options dialog lets the user rename.
insert into keyvalue (KeyId, Value) values (10, '品名');
insert into keyvalue (KeyId, Value) values (11, '规格');
insert into keyvalue (KeyId, Value) values (12, '品牌');
insert into keyvalue (KeyId, Value) values (13, '封装');
insert into keyvalue (KeyId, Value) values (14, '批号');
insert into keyvalue (KeyId, Value) values (16, '条码');
insert into keyvalue (KeyId, Value) values (17, '货位');
insert into keyvalue (KeyId, Value) values (20, '客户');
insert into keyvalue (KeyId, Value) values (21, '助查码');
insert into keyvalue (KeyId, Value) values (22, '客户名称');
insert into keyvalue (KeyId, Value) values (23, '联系人');
insert into keyvalue (KeyId, Value) values (24, '联系电话');
insert into keyvalue (KeyId, Value) values (25, '传真号码');
insert into keyvalue (KeyId, Value) values (26, '联系地址');
insert into keyvalue (KeyId, Value) values (27, '邮编');
insert into keyvalue (KeyId, Value) values (28, '网址');
insert into keyvalue (KeyId, Value) values (29, '电子信箱');
insert into keyvalue (KeyId, Value) values (30, '法人代表');
insert into keyvalue (KeyId, Value) values (31, '税号');
insert into keyvalue (KeyId, Value) values (32, '开户银行');
insert into keyvalue (KeyId, Value) values (33, '银行帐号');
insert into keyvalue (KeyId, Value) values (34, '备注');

-- No automatic backup until the administrator chooses a schedule and a folder.
insert into backup (TypeId, BackDir) values (0, '');

-- Pick lists, one entry per line: units, special characters, then ware names, models (规格),
-- brands and packages, which the user fills in.
insert into options (Key, Label, List) values (1, '计量单位', '个
件
只
把
台
套
箱
包
盒
袋
瓶
桶
卷
张
本
支
根
块
片
对
双
打
米
千克
克
吨
升
毫升');
insert into options (Key, Label, List) values (2, '特殊字符', '℃
±
×
÷
≤
≥
≠
≈
∞
√
°
‰
§
№
Ω
μ
Φ
￥
㎡
㎏
㎜
㎝
①
②
③
Ⅰ
Ⅱ
Ⅲ
※
☆
★
○
●
◎
□
■
△
▲
→
←
↑
↓');
insert into options (Key, Label, List) values (3, '品名', '');
insert into options (Key, Label, List) values (4, '规格', '');
insert into options (Key, Label, List) values (5, '品牌', '');
insert into options (Key, Label, List) values (6, '封装', '');
