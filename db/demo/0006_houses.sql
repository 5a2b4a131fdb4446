-- The demonstration office's houses: every demonstration building gets its floors, entrances
-- and door positions, and all but one are generated the way the house wizard does it (numbering
-- rule 1, prefix CZ for 翠竹苑 and JL for 金陵花园), most houses with an owner or tenant.
-- 翠竹苑 4栋 is laid out but left for a new user to generate. Buildings that are not there are
-- skipped, and a building that already has a layout is left as it is.

-- Floors: one row per floor of the building's LDCS. The shop building's floors are shops.
INSERT INTO Tb_SYS_LCSX (BH, LCBH, XQBH, LDBH, LCXH, LCFX, LCDJ, LCBZ)
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40),
plan(LDBH, LCFX, LCDJ) AS (VALUES (1, '住宅', 0), (2, '住宅', 0), (3, '住宅', 0), (4, '住宅', 0),
                                  (5, '住宅', 0), (6, '住宅', 0), (7, '住宅', 0), (8, '门面', 85))
SELECT K + R, K + R, XQBH, LDBH, LCXH, LCFX, LCDJ, '' FROM (
  SELECT (SELECT COALESCE(MAX(BH), 0) FROM Tb_SYS_LCSX) AS K,
         ROW_NUMBER() OVER (ORDER BY L.BH, n.i) AS R,
         L.XQBH, L.BH AS LDBH, n.i AS LCXH, p.LCFX, p.LCDJ
  FROM Tb_SYS_XQLD L
  JOIN plan p ON p.LDBH = L.BH
  JOIN n ON n.i <= L.LDCS
  WHERE L.XQBH IN (1, 2) AND NOT EXISTS (SELECT 1 FROM Tb_SYS_LCSX F WHERE F.LDBH = L.BH)) f;

-- Entrances: LDDYS of them with their door positions per floor; the shop building's one
-- entrance is called A座.
INSERT INTO Tb_SYS_DYTH (BH, DYBH, XQBH, LDBH, DYXH, DYBZ, DYBZ1, DYTH, DYBZ2)
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10),
plan(LDBH, DYTH) AS (VALUES (1, 2), (2, 2), (3, 2), (4, 3), (5, 2), (6, 2), (7, 2), (8, 4))
SELECT K + R, K + R, XQBH, LDBH, DYXH,
       CASE WHEN LDBH = 8 THEN 'A' ELSE CAST(DYXH AS VARCHAR(10)) END,
       CASE WHEN LDBH = 8 THEN '座' ELSE '单元' END, DYTH, '' FROM (
  SELECT (SELECT COALESCE(MAX(BH), 0) FROM Tb_SYS_DYTH) AS K,
         ROW_NUMBER() OVER (ORDER BY L.BH, n.i) AS R,
         L.XQBH, L.BH AS LDBH, n.i AS DYXH, p.DYTH
  FROM Tb_SYS_XQLD L
  JOIN plan p ON p.LDBH = L.BH
  JOIN n ON n.i <= L.LDDYS
  WHERE L.XQBH IN (1, 2) AND NOT EXISTS (SELECT 1 FROM Tb_SYS_DYTH D WHERE D.LDBH = L.BH)) e;

-- Door positions: the large corner flat first, then the smaller ones; shops are all alike.
INSERT INTO Tb_SYS_THXX (BH, THBH, XQBH, LDBH, DYBH, THXH, JZMJ, SYMJ, FYHX, FYCX, FYJG, THBZ1)
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10)
SELECT K + R, K + R, XQBH, LDBH, DYBH, THXH,
       CASE WHEN LDBH = 8 THEN 45.6 WHEN THXH = 1 THEN 128.65 WHEN THXH = 2 THEN 96.42 ELSE 89.5 END,
       CASE WHEN LDBH = 8 THEN 42.3 WHEN THXH = 1 THEN 119.8 WHEN THXH = 2 THEN 88.76 ELSE 82.35 END,
       CASE WHEN LDBH = 8 THEN '其它' WHEN THXH = 1 THEN '三室两厅' WHEN THXH = 2 THEN '两室两厅'
            ELSE '两室一厅' END,
       CASE WHEN LDBH = 8 THEN '南' WHEN THXH = 1 THEN '南' WHEN THXH = 2 THEN '东南' ELSE '西南' END,
       CASE WHEN LDBH = 4 THEN '砖混' ELSE '钢筋' END, '' FROM (
  SELECT (SELECT COALESCE(MAX(BH), 0) FROM Tb_SYS_THXX) AS K,
         ROW_NUMBER() OVER (ORDER BY D.LDBH, D.DYXH, n.i) AS R,
         D.XQBH, D.LDBH, D.BH AS DYBH, n.i AS THXH
  FROM Tb_SYS_DYTH D
  JOIN n ON n.i <= D.DYTH
  WHERE D.XQBH IN (1, 2) AND D.LDBH BETWEEN 1 AND 8
    AND NOT EXISTS (SELECT 1 FROM Tb_SYS_THXX T WHERE T.LDBH = D.LDBH)) t;

-- Houses: one per floor and door position of every building but 4, numbered and filled in as
-- the wizard's generation does (house number, full name, system code, areas, prices, dates).
INSERT INTO Tb_FYXX (DYBZ, BH, FYBH, DQBH, XQBH, LDBH, DYBH, LCBH, THBH, LDXH, DYXH, LCXH, THXH,
                     FYXH, FYMC, ZJM, JZMJ, SYMJ, FYHX, FYCX, FYDJ, FYZJ, YZBH, FYJG, SHRQ, THS,
                     JGRQ, RZRQ, FYFX, JYMB, YSES, FYZT, YXBZ, ZFY, TSLB, QPBZ, RZRS, FYBZ,
                     FYBZ1, FYBZ2, FYBZ3, FYBZ4, SYSBH)
SELECT DYBZ, K + R, FYBH, SZDQ, XQBH, LDBH, DYBH, LCBH, THBH, LDBH, DYXH, LCXH, THXH, N, FYMC,
       FYBH, JZMJ, SYMJ, FYHX, FYCX, LCDJ, 0, 0, FYJG, FYLB, DYTH, JGRQ, RZRQ, LCFX, '售',
       '新房', '售', '单房', 1, '', 0, 3, '', '', '', '', '', SYSBH FROM (
  SELECT (SELECT COALESCE(MAX(BH), 0) FROM Tb_FYXX) AS K,
         ROW_NUMBER() OVER (ORDER BY L.BH, F.LCXH, T.DYXH, T.THXH) AS R,
         ROW_NUMBER() OVER (PARTITION BY L.BH ORDER BY F.LCXH, T.DYXH, T.THXH) AS N,
         CASE L.XQBH WHEN 1 THEN 'CZ' ELSE 'JL' END || '-' || L.LDMC || '-' ||
           CAST(T.DYXH AS VARCHAR(10)) || '-' || CAST(F.LCXH AS VARCHAR(10)) ||
           CASE WHEN T.THXH < 10 THEN '0' ELSE '' END || CAST(T.THXH AS VARCHAR(10)) AS FYBH,
         L.LDMC || '栋' || T.DYBZ || T.DYBZ1 || CAST(F.LCXH AS VARCHAR(10)) ||
           CASE WHEN T.THXH < 10 THEN '0' ELSE '' END || CAST(T.THXH AS VARCHAR(10)) AS FYMC,
         CAST(L.XQBH AS VARCHAR(10)) || '-' || L.LDMC || '-' || CAST(T.DYXH AS VARCHAR(10)) ||
           '-' || CAST(F.LCXH AS VARCHAR(10)) || CASE WHEN T.THXH < 10 THEN '0' ELSE '' END ||
           CAST(T.THXH AS VARCHAR(10)) AS SYSBH,
         T.DYBZ, T.SZDQ, L.XQBH, L.BH AS LDBH, T.DYBH, F.BH AS LCBH, T.BH AS THBH, T.DYXH,
         F.LCXH, T.THXH, T.JZMJ, T.SYMJ, T.FYHX, T.FYCX, F.LCDJ, T.FYJG, L.FYLB, T.DYTH,
         L.JGRQ, L.RZRQ, F.LCFX
  FROM Tb_SYS_XQLD L
  JOIN Tb_SYS_LCSX F ON F.LDBH = L.BH
  JOIN Uvw_SYS_THXX T ON T.LDBH = L.BH
  WHERE L.XQBH IN (1, 2) AND L.BH IN (1, 2, 3, 5, 6, 7, 8) AND L.LDBZ1 = '否'
    AND NOT EXISTS (SELECT 1 FROM Tb_FYXX H WHERE H.LDBH = L.BH)) h;

UPDATE Tb_SYS_XQLD SET LDBZ1 = '是'
  WHERE EXISTS (SELECT 1 FROM Tb_FYXX H WHERE H.LDBH = Tb_SYS_XQLD.BH);

-- Owners and tenants: eight houses in nine have one. Names, birthdays, identity numbers and
-- telephone numbers are made up from the house's number, so they differ from house to house.
INSERT INTO Tb_SYS_KHXX (BH, KHXM, XB, MZ, CSRQ, ZJBH, DHHM, SJHM, DZ, YB, JG, ZY, KHLB, FYBH,
                         DPMC, RZRQ, ZZRQ, HTBH, JYRXM)
SELECT K + R, KHXM, XB, MZ,
       CAST(Y AS VARCHAR(4)) || '-' || CASE WHEN M < 10 THEN '0' ELSE '' END ||
         CAST(M AS VARCHAR(2)) || '-' || CASE WHEN D < 10 THEN '0' ELSE '' END ||
         CAST(D AS VARCHAR(2)),
       CASE SZDQ WHEN '建邺区' THEN '320105' WHEN '栖霞区' THEN '320113' ELSE '320102' END ||
         CAST(Y AS VARCHAR(4)) || CASE WHEN M < 10 THEN '0' ELSE '' END || CAST(M AS VARCHAR(2)) ||
         CASE WHEN D < 10 THEN '0' ELSE '' END || CAST(D AS VARCHAR(2)) ||
         CAST(100 + HOUSE % 900 AS VARCHAR(3)) || CAST(HOUSE % 10 AS VARCHAR(1)),
       CASE WHEN HOUSE % 3 = 0 THEN '025-' || CAST(52000000 + (HOUSE * 7919) % 9999999 AS VARCHAR(10))
            ELSE '' END,
       substr('138139150151186187135136159177', 1 + (HOUSE % 10) * 3, 3) ||
         CAST(10000000 + (HOUSE * 104729) % 89999999 AS VARCHAR(10)),
       '南京市' || SZDQ || XQMC || FYMC,
       CASE SZDQ WHEN '建邺区' THEN '210019' WHEN '栖霞区' THEN '210046' ELSE '210000' END,
       CASE HOUSE % 8 WHEN 0 THEN '安徽' WHEN 1 THEN '河南' WHEN 2 THEN '山东' WHEN 3 THEN '湖北'
                      ELSE '江苏' END,
       CASE WHEN FYFX = '门面' THEN '个体经营'
            ELSE CASE HOUSE % 10 WHEN 0 THEN '南京大学' WHEN 1 THEN '江苏省人民医院'
                 WHEN 2 THEN '苏宁易购集团' WHEN 3 THEN '南京银行' WHEN 4 THEN '南京地铁运营公司'
                 WHEN 5 THEN '退休' WHEN 6 THEN '南京市第二十九中学' WHEN 7 THEN '中石化金陵分公司'
                 WHEN 8 THEN '南京市建邺区人民政府' ELSE '自由职业' END END,
       CASE WHEN TENANT = 1 THEN '租户' ELSE '住户' END, HOUSE,
       CASE WHEN FYFX = '门面' THEN
         CASE HOUSE % 6 WHEN 0 THEN '便民超市' WHEN 1 THEN '兰州拉面' WHEN 2 THEN '鲜花坊'
              WHEN 3 THEN '干洗店' WHEN 4 THEN '大药房' ELSE '水果店' END ELSE '' END,
       RZRQ, CASE WHEN TENANT = 1 THEN '2027-06-30' ELSE '' END,
       CASE WHEN HOUSE % 5 = 0 AND FYFX <> '门面' THEN 'B1-' || CAST(HOUSE % 600 + 1 AS VARCHAR(4))
            ELSE '' END,
       CASE WHEN FYFX = '门面' THEN KHXM ELSE '' END FROM (
  SELECT (SELECT COALESCE(MAX(BH), 0) FROM Tb_SYS_KHXX) AS K,
         ROW_NUMBER() OVER (ORDER BY H.BH) AS R,
         H.BH AS HOUSE, H.FYMC, H.FYFX, H.RZRQ, A.SZDQ, A.XQMC,
         CASE WHEN H.BH % 11 = 0 OR H.FYFX = '门面' THEN 1 ELSE 0 END AS TENANT,
         substr('王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡',
                1 + (H.BH * 7) % 40, 1) ||
           substr('建国秀英志强丽娟海涛玉兰文博静怡晓东雪梅国华桂芳俊杰婷婷明辉淑珍浩然欣怡永福佳琪' ||
                  '德胜凤英振华慧敏宇航美玲立新诗雨子轩红梅', 1 + ((H.BH * 13) % 30) * 2, 2) AS KHXM,
         CASE WHEN ((H.BH * 13) % 30) % 2 = 0 THEN '男' ELSE '女' END AS XB,
         CASE WHEN H.BH % 17 = 0 THEN '回族' WHEN H.BH % 23 = 0 THEN '蒙古族' ELSE '汉族' END AS MZ,
         1950 + (H.BH * 11) % 45 AS Y, 1 + H.BH % 12 AS M, 1 + (H.BH * 3) % 28 AS D
  FROM Tb_FYXX H
  JOIN Tb_SYS_AREA A ON A.BH = H.XQBH
  WHERE H.XQBH IN (1, 2) AND H.BH % 9 <> 0
    AND NOT EXISTS (SELECT 1 FROM Tb_SYS_KHXX O WHERE O.FYBH = H.BH)) o;

-- Each house names its owner; owned houses are occupied or let, the others empty.
UPDATE Tb_FYXX SET
  YZBH = COALESCE((SELECT MAX(K.BH) FROM Tb_SYS_KHXX K WHERE K.FYBH = Tb_FYXX.BH), 0),
  FYZT = CASE WHEN NOT EXISTS (SELECT 1 FROM Tb_SYS_KHXX K WHERE K.FYBH = Tb_FYXX.BH) THEN '空房'
              WHEN EXISTS (SELECT 1 FROM Tb_SYS_KHXX K WHERE K.FYBH = Tb_FYXX.BH AND K.KHLB = '租户')
              THEN '租赁' ELSE '入住' END,
  RZRS = CASE WHEN NOT EXISTS (SELECT 1 FROM Tb_SYS_KHXX K WHERE K.FYBH = Tb_FYXX.BH) THEN 0
              WHEN FYFX = '门面' THEN 2 ELSE 1 + BH % 5 END,
  FYBZ2 = FYFX
  WHERE XQBH IN (1, 2) AND YZBH = 0 AND FYZT = '售';

-- The two house managers look after one estate each.
INSERT INTO Tb_2_AZFG (FGBH, FYH)
SELECT G.BH, H.BH FROM Tb_FYXX H JOIN Tb_SYS_DWYG G ON G.BH = H.XQBH
  WHERE H.XQBH IN (1, 2) AND NOT EXISTS (SELECT 1 FROM Tb_2_AZFG Z WHERE Z.FYH = H.BH);
